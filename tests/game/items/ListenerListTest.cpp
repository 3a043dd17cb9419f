// The listener list: cookies and the reuse of freed slots, notification in slot order, and
// listeners that remove themselves, remove others or register new ones while notified.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListenerList.h"

namespace {

struct Recorder {
    std::vector<std::string>* log;
    std::string name;
    void Heard(const int32_t* value) { log->push_back(name + ":" + std::to_string(*value)); }
};

// Counts the listener objects that are still alive.
struct Counted : ListenerCallbackBase {
    explicit Counted(int* alive) : alive(alive) { ++*alive; }
    ~Counted() override { --*alive; }
    void Invoke(const void*) override {}
    int* alive;
};

TEST(ListenerList, CookiesNameSlotsFreedSlotsAreReusedRoundRobinAndTheTableGrowsWhenFull) {
    ListenerList list;
    int alive = 0;
    for (uint32_t i = 1; i <= 9; ++i) EXPECT_EQ(i, list.Insert(new Counted(&alive)));
    EXPECT_EQ(9u, list.GetSlotCount()) << "the ninth appends a slot";
    list.Remove(3);
    EXPECT_EQ(8, alive) << "the list owns its listeners";
    EXPECT_EQ(3u, list.Insert(new Counted(&alive))) << "the search starts at slot 0 and takes the first empty slot";

    // Unknown, empty and zero cookies change nothing.
    list.Remove(0);
    list.Remove(42);
    list.Remove(3);
    list.Remove(3);
    EXPECT_EQ(8u, list.GetCount());
    EXPECT_EQ(8, alive);
}

TEST(ListenerList, TheSearchStartsAtTheCursor) {
    ListenerList list;
    int alive = 0;
    for (int i = 0; i < 8; ++i) list.Insert(new Counted(&alive));
    for (uint32_t cookie = 1; cookie <= 5; ++cookie) list.Remove(cookie);
    for (int i = 0; i < 5; ++i) list.Insert(new Counted(&alive));  // slots 0-4 again; the cursor stands at 5
    list.Remove(1);
    list.Remove(7);
    EXPECT_EQ(7u, list.Insert(new Counted(&alive))) << "slot 6, not slot 0";
    EXPECT_EQ(1u, list.Insert(new Counted(&alive)));
}

TEST(ListenerList, NotifiesEveryListenerInSlotOrderWithThePointerToTheValue) {
    std::vector<std::string> log;
    Recorder a{&log, "a"}, b{&log, "b"}, c{&log, "c"};
    ListenerList list;
    list.Add(&a, &Recorder::Heard);
    const uint32_t cookieB = list.Add(&b, &Recorder::Heard);
    list.Add(&c, &Recorder::Heard);
    list.NotifyAll(int32_t(5));
    list.Remove(cookieB);
    list.NotifyAll(int32_t(6));
    EXPECT_EQ((std::vector<std::string>{"a:5", "b:5", "c:5", "a:6", "c:6"}), log);

    ListenerList empty;
    const uint32_t only = empty.Add(&a, &Recorder::Heard);
    empty.Remove(only);
    empty.NotifyAll(int32_t(7));
    EXPECT_EQ(5u, log.size()) << "a list whose slots were all removed tells no one";
}

// A listener that removes listeners (itself among them) when it hears a value, or adds one.
struct Remover {
    ListenerList* list;
    std::vector<uint32_t> cookies;
    std::vector<std::string>* log;
    std::string name;
    Recorder* late = nullptr;
    void Heard(const int32_t* value) {
        log->push_back(name + ":" + std::to_string(*value));
        for (uint32_t cookie : cookies) list->Remove(cookie);
        cookies.clear();
        if (late) list->Add(late, &Recorder::Heard);
        late = nullptr;
    }
};

TEST(ListenerList, ListenersMayRemoveThemselvesAndOthersWhileNotified) {
    std::vector<std::string> log;
    ListenerList list;
    Recorder first{&log, "first"}, last{&log, "last"};
    Remover remover{&list, {}, &log, "remover"};
    const uint32_t firstCookie = list.Add(&first, &Recorder::Heard);
    const uint32_t self = list.Add(&remover, &Remover::Heard);
    const uint32_t lastCookie = list.Add(&last, &Recorder::Heard);
    remover.cookies = {self, lastCookie, firstCookie};
    list.NotifyAll(int32_t(1));
    EXPECT_EQ((std::vector<std::string>{"first:1", "remover:1"}), log) << "a removed listener is not called";
    EXPECT_EQ(0u, list.GetCount());
    list.NotifyAll(int32_t(2));
    EXPECT_EQ(2u, log.size());

    // A listener registered while the list is being told is kept and told later.
    Recorder late{&log, "late"};
    Remover adder{&list, {}, &log, "adder", &late};
    list.Add(&adder, &Remover::Heard);
    list.NotifyAll(int32_t(3));
    list.NotifyAll(int32_t(4));
    EXPECT_EQ((std::vector<std::string>{"first:1", "remover:1", "adder:3", "late:3", "adder:4", "late:4"}), log);
}

}  // namespace

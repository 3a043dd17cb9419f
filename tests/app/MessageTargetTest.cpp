// The handler maps and their three-valued answer, without any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageTarget.h"

namespace {
struct Recorder {
    std::vector<std::string> calls;
    int answer = kHandled;
    LRESULT value = 0;
    std::string name;

    LRESULT Plain(WPARAM w, LPARAM l) {
        calls.push_back(name + ":plain:" + std::to_string(w) + ":" + std::to_string(l));
        return value;
    }
    int Deciding(WPARAM, LPARAM, LRESULT* result) {
        calls.push_back(name + ":deciding");
        *result = value;
        return answer;
    }
    void Command(int id, int code) { calls.push_back(name + ":command:" + std::to_string(id) + ":" + std::to_string(code)); }
    int Notify(NMHDR* header, LRESULT* result) {
        calls.push_back(name + ":notify:" + std::to_string(int(header->code)));
        *result = value;
        return answer;
    }
};

struct CountedHandler : MessageHandlerBase {
    explicit CountedHandler(int* deleted) : deleted(deleted) {}
    ~CountedHandler() override { ++*deleted; }
    int Invoke(WPARAM, LPARAM, LRESULT* result) override {
        *result = 5;
        return kHandled;
    }
    int* deleted;
};
}  // namespace

TEST(MessageTarget, OwnMapAnswersAndMissingKeyIsNotHandled) {
    MessageTarget target;
    Recorder r{{}, kHandled, 42, "own"};
    target.BindMessage(WM_USER + 1, &r, &Recorder::Plain);
    LRESULT result = 0;
    EXPECT_EQ(kHandled, target.DispatchMessage(WM_USER + 1, 3, 4, &result));
    EXPECT_EQ(42, result);
    EXPECT_EQ(kNotHandled, target.DispatchMessage(WM_USER + 2, 0, 0, &result));
    EXPECT_EQ(std::vector<std::string>{"own:plain:3:4"}, r.calls);
}

TEST(MessageTarget, AttachedTargetIsAskedFirstAndItsAnswerStands) {
    MessageTarget outer, inner;
    Recorder own{{}, kHandled, 1, "own"}, attached{{}, kHandledWithDefault, 2, "attached"};
    outer.BindMessage(WM_USER, &own, &Recorder::Plain);
    inner.BindDecidingMessage(WM_USER, &attached, &Recorder::Deciding);
    outer.Attach(&inner);
    EXPECT_EQ(&outer, inner.GetOwner());

    LRESULT result = 0;
    // The attached target answers "handled with default": the own map is not asked.
    EXPECT_EQ(kHandledWithDefault, outer.DispatchMessage(WM_USER, 0, 0, &result));
    EXPECT_TRUE(own.calls.empty());

    // When it does not handle the message, the own map is asked next.
    attached.answer = kNotHandled;
    EXPECT_EQ(kHandled, outer.DispatchMessage(WM_USER, 0, 0, &result));
    EXPECT_EQ(1, result);
    EXPECT_EQ(1u, own.calls.size());
    EXPECT_EQ(2u, attached.calls.size());

    outer.Detach();
    EXPECT_EQ(nullptr, inner.GetOwner());
    EXPECT_EQ(kHandled, outer.DispatchMessage(WM_USER, 0, 0, &result));
    EXPECT_EQ(2u, attached.calls.size());
}

TEST(MessageTarget, ChainOfAttachedTargetsIsSearchedFrontToBack) {
    MessageTarget a, b, c;
    Recorder last{{}, kHandled, 9, "c"};
    c.BindMessage(WM_USER, &last, &Recorder::Plain);
    a.Attach(&b);
    b.Attach(&c);
    LRESULT result = 0;
    EXPECT_EQ(kHandled, a.DispatchMessage(WM_USER, 0, 0, &result));
    EXPECT_EQ(9, result);
}

TEST(MessageTarget, DestroyingAnAttachedTargetDetachesIt) {
    MessageTarget outer;
    {
        MessageTarget inner;
        outer.Attach(&inner);
    }
    EXPECT_EQ(nullptr, outer.GetAttached());
    LRESULT result = 0;
    EXPECT_EQ(kNotHandled, outer.DispatchMessage(WM_USER, 0, 0, &result));
}

TEST(MessageTarget, RebindingReplacesAndDeletesTheFirstHandler) {
    int deleted = 0;
    {
        MessageTarget target;
        target.SetMessageHandler(WM_USER, new CountedHandler(&deleted));
        target.SetMessageHandler(WM_USER, new CountedHandler(&deleted));
        EXPECT_EQ(1, deleted);
    }
    EXPECT_EQ(2, deleted);
}

TEST(MessageTarget, CommandsGoToTheAttachedTargetFirstAndMissingIdsAreIgnored) {
    MessageTarget outer, inner;
    Recorder own{{}, 0, 0, "own"}, attached{{}, 0, 0, "attached"};
    outer.BindCommand(100, &own, &Recorder::Command);
    outer.BindCommand(200, &own, &Recorder::Command);
    inner.BindCommand(100, &attached, &Recorder::Command);
    outer.Attach(&inner);
    EXPECT_EQ(1, outer.DispatchCommand(100, 7));
    EXPECT_EQ(1, outer.DispatchCommand(200, 8));
    EXPECT_EQ(0, outer.DispatchCommand(300, 0));
    EXPECT_EQ(std::vector<std::string>{"attached:command:100:7"}, attached.calls);
    EXPECT_EQ(std::vector<std::string>{"own:command:200:8"}, own.calls);
}

TEST(MessageTarget, NotificationsUseTheirOwnMapWithNegativeCodes) {
    MessageTarget target;
    Recorder r{{}, kHandled, 33, "own"};
    target.BindNotify(-12, &r, &Recorder::Notify);
    NMHDR header = {};
    header.code = UINT(-12);
    LRESULT result = 0;
    EXPECT_EQ(kHandled, target.DispatchNotify(-12, &header, &result));
    EXPECT_EQ(33, result);
    EXPECT_EQ(kNotHandled, target.DispatchNotify(-13, &header, &result));
    // The message map does not answer notification codes.
    EXPECT_EQ(kNotHandled, target.DispatchMessage(UINT(-12), 0, 0, &result));
}

#include "NotificationQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "LibraryContext.h"

// The queue records allocation failures in the library context; none here.
LibraryContext* Context() { return nullptr; }

namespace {

std::vector<std::pair<int32_t, int32_t>> g_calls;
void __stdcall Record(int32_t event, int32_t object) { g_calls.push_back({event, object}); }

TEST(NotificationQueue, DeliversInOrderAndEmpties) {
    NotificationQueue q;
    g_calls.clear();
    EXPECT_EQ(q.PushCall(Record, 1, 10), 1);
    EXPECT_EQ(q.PushCall(Record, 3, 11), 1);
    EXPECT_EQ(q.PushCall(Record, 1, 12), 1);
    q.Flush();
    ASSERT_EQ(g_calls.size(), 3u);
    EXPECT_EQ(g_calls[0], std::make_pair(1, 10));
    EXPECT_EQ(g_calls[2], std::make_pair(1, 12));
    EXPECT_TRUE(q.Empty());
    q.Flush();
    EXPECT_EQ(g_calls.size(), 3u);
}

TEST(NotificationQueue, EventsAndPostedMessages) {
    NotificationQueue q;
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(q.PushEvent(event, 5), 0) << "only set (3) and pulse (4)";
    EXPECT_TRUE(q.Empty());
    EXPECT_EQ(q.PushEvent(event, 3), 1);
    q.Flush();
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    CloseHandle(event);

    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const UINT message = RegisterWindowMessageA("QuorSpriteMsg");
    q.PushPost(window, message, 1, 42);
    q.Flush();
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, window, message, message, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(msg.lParam, 42);

    // A window destroyed before the flush: the notification is dropped quietly.
    q.PushPost(window, message, 3, 43);
    DestroyWindow(window);
    q.Flush();
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, message, message, PM_REMOVE));
    EXPECT_TRUE(q.Empty());
}

std::atomic<int> g_counted{0};
void __stdcall Count(int32_t, int32_t) { g_counted++; }

TEST(NotificationQueue, PushesDuringFlushesLoseNothing) {
    NotificationQueue q;
    g_counted = 0;
    const int perThread = 20000;
    std::atomic<bool> done{false};
    std::thread flusher([&] {
        while (!done) q.Flush();
        q.Flush();
    });
    std::vector<std::thread> pushers;
    for (int t = 0; t < 3; ++t)
        pushers.emplace_back([&] {
            for (int i = 0; i < perThread; ++i) q.PushCall(Count, 0, i);
        });
    for (auto& t : pushers) t.join();
    done = true;
    flusher.join();
    EXPECT_EQ(g_counted, 3 * perThread);
}

}  // namespace

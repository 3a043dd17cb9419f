// The player sees a script error in a box captioned "Script Error".
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "MessageBoxWatcher.h"
#include "ScriptErrorSink.h"

TEST(ScriptErrorBoxTest, TheErrorTextIsShownInTheScriptErrorBox) {
    BoxWatcher watcher("Script Error");
    ScriptErrorBox().ShowScriptError("Syntax error\nSrc: Microsoft JScript compilation error\nLine:3");
    SeenBox seen = watcher.Result();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ("Syntax error\nSrc: Microsoft JScript compilation error\nLine:3", seen.text);
}

// A window in front that belongs to somebody else (here a thread that is busy and answers
// no messages) is left alone: the box still comes up and the window stays enabled.
TEST(ScriptErrorBoxTest, AForeignWindowInFrontIsNotDisabled) {
    HANDLE busy = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<HWND> foreign{nullptr};
    std::thread other([&] {
        HWND window = CreateWindowExA(0, "STATIC", "Somebody else", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                      nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(window);
        foreign = window;
        SetEvent(ready);
        WaitForSingleObject(busy, 10000);
        DestroyWindow(window);
    });
    WaitForSingleObject(ready, 10000);
    if (GetForegroundWindow() != foreign.load()) {
        SetEvent(busy);
        other.join();
        GTEST_SKIP() << "this display would not bring the window to the front";
    }

    bool enabledWhileShown = false;
    std::thread watcher([&] {
        HWND box = nullptr;
        for (int waited = 0; !box && waited < 20000; waited += 50, Sleep(50)) box = FindOwnWindow("#32770", "Script Error");
        enabledWhileShown = IsWindowEnabled(foreign.load()) != FALSE;
        if (box) CloseBox(box);
    });
    ScriptErrorBox().ShowScriptError("Object expected");
    watcher.join();
    const bool enabledAfter = IsWindowEnabled(foreign.load()) != FALSE;
    SetEvent(busy);
    other.join();
    CloseHandle(busy);
    CloseHandle(ready);
    EXPECT_TRUE(enabledWhileShown);
    EXPECT_TRUE(enabledAfter);
}

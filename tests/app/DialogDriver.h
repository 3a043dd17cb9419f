// Drives dialogs from a helper thread while the test's thread sits in their modal loop:
// finds a dialog by its caption, presses its buttons, waits for it to go.
#pragma once
#include <windows.h>

#include <functional>
#include <thread>

#include "ProgramWindow.h"

// Polls for up to the given time (a bound, not a measurement); null when none appeared.
// A dialog is shown once its initialisation is over: only then does it take input.
inline HWND WaitForDialog(const char* caption, int waitMilliseconds = 20000) {
    for (int waited = 0; waited < waitMilliseconds; waited += 20) {
        if (HWND found = FindOwnWindow("#32770", caption, true)) return found;
        Sleep(20);
    }
    return nullptr;
}

inline bool WaitUntil(const std::function<bool()>& done, int waitMilliseconds = 20000) {
    for (int waited = 0; waited < waitMilliseconds; waited += 20) {
        if (done()) return true;
        Sleep(20);
    }
    return done();
}

// Clicks the button as the mouse would; the click has been handled when this returns.
inline void PressButton(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The common controls' modal sheet loop looks at its end flag only when a message
// arrives: after the button that ends it, one more (empty) message lets it return.
inline void WakeSheetLoop(HWND sheet) { PostMessageA(sheet, WM_NULL, 0, 0); }

// Runs the steps on its own thread; joins when it goes.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void()> steps) : thread_(std::move(steps)) {}
    ~DialogDriver() { Join(); }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};

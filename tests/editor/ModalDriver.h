// Acting on a modal window from another thread: the test's own thread waits inside the
// modal loop while the driver finds the window by its caption and works its controls with
// messages, which the modal loop handles.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "ProgramWindow.h"

class WhenShown {
public:
    WhenShown(const char* caption, std::function<void(HWND)> act)
        : thread_([this, caption, act] { Run(caption, act); }) {}
    ~WhenShown() { Join(); }
    bool Seen() {
        Join();
        return seen_;
    }

private:
    void Join() {
        if (thread_.joinable()) thread_.join();
    }
    void Run(const char* caption, const std::function<void(HWND)>& act) {
        for (int waited = 0; waited < 20000; waited += 20) {
            // Only a window of this program: other test programs share the display.
            HWND window = FindOwnWindow(nullptr, caption);
            if (window && IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
                seen_ = true;
                act(window);
                return;
            }
            Sleep(20);
        }
    }
    bool seen_ = false;
    std::thread thread_;
};

// A button of a dialog pressed as a click would.
inline void PressButton(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

// The entries of a list box of a dialog.
inline std::string ListEntries(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    std::string entries;
    const int count = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        SendMessageA(list, LB_GETTEXT, WPARAM(i), LPARAM(text));
        entries += (i ? " " : "") + std::string(text);
    }
    return entries;
}

// Selects the entry of a list box of a dialog that has the text.
inline void SelectEntry(HWND dialog, int id, const char* text) {
    HWND list = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text));
    SendMessageA(list, LB_SETSEL, TRUE, index);
}

// The Shift key held down (or let go) for the thread's key-state questions.
inline void HoldShift(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

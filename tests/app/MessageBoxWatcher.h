// Finds a message box by its caption from another thread or process, reads its text and
// closes it.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "ProgramWindow.h"

struct SeenBox {
    bool found = false;
    std::string text;
    int defaultButton = 0;  // the button that Enter and Space press
};

// Asks the box to close (by the button, OK when none is named) until it has gone: a
// request that arrives while the box is still being made can be lost on a busy machine.
inline void CloseBox(HWND box, int button = IDOK) {
    for (int waited = 0; IsWindow(box) && waited < 20000; waited += 50) {
        PostMessageA(box, WM_COMMAND, WPARAM(button), 0);
        Sleep(50);
    }
}

// Polls for up to the given time (a bound, not a measurement) for a box of the program.
inline SeenBox WaitForBoxAndClose(const char* caption, int waitMilliseconds = 20000,
                                  DWORD process = GetCurrentProcessId(), int button = IDOK) {
    SeenBox seen;
    for (int waited = 0; waited < waitMilliseconds; waited += 50) {
        HWND box = FindProgramWindow("#32770", caption, process);
        if (box) {
            char text[512] = {};
            // The box can be found before its text is set.
            for (int settle = 0; settle < 2000 && !GetDlgItemTextA(box, 0xFFFF, text, sizeof text - 1); settle += 20)
                Sleep(20);
            seen.found = true;
            // A report box's text control shows its lines ended with "\r\n".
            for (const char* c = text; *c; ++c)
                if (*c != '\r') seen.text += *c;
            for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
                HWND button = GetDlgItem(box, id);
                if (button && (GetWindowLongA(button, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON) seen.defaultButton = id;
            }
            CloseBox(box, button);
            return seen;
        }
        Sleep(50);
    }
    return seen;
}

// Watches on its own thread while the test's thread sits in a modal loop.
class BoxWatcher {
public:
    explicit BoxWatcher(const char* caption, int button = IDOK)
        : thread_([this, caption, button] { seen_ = WaitForBoxAndClose(caption, 20000, GetCurrentProcessId(), button); }) {}
    ~BoxWatcher() {
        if (thread_.joinable()) thread_.join();
    }
    SeenBox Result() {
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    SeenBox seen_;
    std::thread thread_;
};

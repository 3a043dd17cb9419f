// Driving the machine editor in tests: a copy of one of our machine scripts in a folder of
// the test's own, synthetic mouse and key messages to the Graphics page, and answers to
// the editor's message boxes given from another thread while the editor waits in them.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>

#include "EditableElement.h"
#include "ProgramWindow.h"
#include "EditorWindow.h"
#include "FileBytes.h"
#include "GraphicsPage.h"

// Every file of the machine folder of the content build (VSL_SOURCE_MACHINES) into a
// folder.
inline void CopyMachineFiles(const std::string& to) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(VSL_SOURCE_MACHINES "\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        CopyFileA((std::string(VSL_SOURCE_MACHINES "\\") + found.cFileName).c_str(),
                  (to + "\\" + found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// A folder of that name in the temporary folder with the machine files in it, made the
// current folder: where the demos open foxfire.
inline std::string DemoMachineFolder(const char* name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyMachineFiles(folder);
    SetCurrentDirectoryA(folder.c_str());
    return folder;
}

// Every "\n" as "\r\n".
inline std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// Answers the next message box of the caption with the button, from its own thread; the
// text of the box is kept. The editor shows its boxes on the test's thread, in the call
// that asks: once that call has returned, the box has come and gone or will not come, so
// Seen() and Text() look once more and wait no longer.
class BoxAnswer {
public:
    BoxAnswer(const char* caption, int button) : thread_([this, caption, button] { Run(caption, button); }) {}
    ~BoxAnswer() { Join(); }
    bool Seen() {
        Join();
        return seen_;
    }
    std::string Text() {
        Join();
        return text_;
    }

private:
    void Join() {
        asked_ = true;
        if (thread_.joinable()) thread_.join();
    }
    void Run(const char* caption, int button) {
        for (int waited = 0; waited < 20000; waited += 20) {
            const bool last = asked_;
            // Only a box of this program: other test programs may ask the same on the display.
            HWND box = FindOwnWindow("#32770", caption);
            if (box && GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) {
                char text[8192] = {};  // a compile's warnings run long
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text - 1);
                text_ = text;
                seen_ = true;
                PostMessageA(box, WM_COMMAND, WPARAM(button), 0);
                return;
            }
            if (last) return;
            Sleep(20);
        }
    }
    std::atomic<bool> asked_{false};
    bool seen_ = false;
    std::string text_;
    std::thread thread_;
};

// The mouse and the keyboard on the Graphics page, in backdrop pixels (the page is not
// scrolled in these tests).
class PageDriver {
public:
    explicit PageDriver(GraphicsPage* page) : window_(page->GetHandle()) {}
    void Press(int x, int y) { SendMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void MoveTo(int x, int y) { SendMessageA(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Release(int x, int y) { SendMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    // Press, two moves (the first one pixel, below the drag threshold) and release.
    void Drag(int fromX, int fromY, int toX, int toY) {
        Press(fromX, fromY);
        MoveTo(fromX + 1, fromY);
        MoveTo(toX, toY);
        Release(toX, toY);
    }
    // Ctrl and Shift as the page's elements read them (GetKeyState) for the next messages.
    static void HoldKeys(bool ctrl, bool shift) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    void Key(WPARAM key) {
        SendMessageA(window_, WM_KEYDOWN, key, 1);
        SendMessageA(window_, WM_KEYUP, key, 0xC0000001);
    }

private:
    HWND window_;
};

// The status bar's first part.
inline std::string StatusText(HWND statusBar) {
    char text[256] = {};
    SendMessageA(statusBar, SB_GETTEXTA, 0, LPARAM(text));
    return text;
}

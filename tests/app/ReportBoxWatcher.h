// Looks at a report box of this program from another thread, as a user would: where the
// box and its OK button stand against the work area, whether its text scrolls, and the
// whole text; then closes it with OK.
#pragma once
#include <windows.h>

#include <string>
#include <thread>

#include "MessageBoxWatcher.h"
#include "ProgramWindow.h"

struct SeenReport {
    bool found = false;
    std::string caption;
    std::string text;         // the whole text, without carriage returns
    RECT box = {};            // the box's window rectangle
    RECT ok = {};             // its OK button, in screen pixels; empty when it has none
    bool okVisible = false;
    RECT textRect = {};       // the text control, in screen pixels
    bool scrolls = false;     // the text control's vertical scroll bar moves the text
    int firstVisibleLine = -1;
};

inline SeenReport InspectReport(HWND box) {
    SeenReport seen;
    seen.found = true;
    char caption[128] = {};
    GetWindowTextA(box, caption, sizeof caption);
    seen.caption = caption;
    GetWindowRect(box, &seen.box);
    if (HWND ok = GetDlgItem(box, IDOK)) {
        GetWindowRect(ok, &seen.ok);
        seen.okVisible = IsWindowVisible(ok) != FALSE;
    }
    HWND text = GetDlgItem(box, 0xFFFF);
    if (!text) return seen;
    GetWindowRect(text, &seen.textRect);
    std::string raw(size_t(GetWindowTextLengthA(text)) + 1, '\0');
    raw.resize(size_t(GetWindowTextA(text, &raw[0], int(raw.size()))));
    for (char c : raw)
        if (c != '\r') seen.text += c;
    seen.firstVisibleLine = int(SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0));
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    const LONG style = GetWindowLongA(text, GWL_STYLE);
    seen.scrolls = (style & WS_VSCROLL) && GetScrollInfo(text, SB_VERT, &info) && info.nPage > 0 &&
                   int(info.nPage) <= info.nMax - info.nMin;
    return seen;
}

// Watches on its own thread for a box of the caption while the test's thread shows it.
class ReportWatcher {
public:
    explicit ReportWatcher(const char* caption)
        : thread_([this, caption] {
              for (int waited = 0; waited < 20000; waited += 50, Sleep(50)) {
                  HWND box = FindOwnWindow("#32770", caption, true);
                  if (!box || !GetDlgItem(box, IDOK)) continue;
                  Sleep(200);  // the box is laid out while it is made
                  seen_ = InspectReport(box);
                  CloseBox(box);
                  return;
              }
          }) {}
    ~ReportWatcher() {
        if (thread_.joinable()) thread_.join();
    }
    SeenReport Result() {
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    SeenReport seen_;
    std::thread thread_;
};

inline RECT WorkAreaRect() {
    RECT area = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

inline bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// What the editor's grid pages (Reels and Payouts) share: their font, text measuring,
// painting scopes, the status-bar text, and the cell controls that hand Tab to the grid
// instead of taking it themselves.
#pragma once
#include <windows.h>

#include <string>

#include "Window.h"

// "Arial" of height 14, every other parameter 0. The caller deletes it.
HFONT CreateGridFont();

// Width of the text and height of the font's characters, measured on the window's DC.
int GridTextWidth(HWND window, HFONT font, const std::string& text);
int GridFontHeight(HWND window, HFONT font);

// The height of a drop-down list's closed box (its selection field and frame), which a row
// of a grid must hold.
int ClosedComboHeight(HWND combo);

// The first pane of the editor's status bar.
void SetStatusText(HWND statusBar, const std::string& text);

// The text of a window (a control's), whatever its length.
std::string WindowText(HWND window);

// BeginPaint and EndPaint around a scope.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }
    const RECT& Dirty() const { return paint_.rcPaint; }

private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT paint_;
};

// A cell control of a grid: a Tab key-down is reported to the grid window with the
// message and argument given (argument 0: the control's own window), and the Tab's
// character and key-up are swallowed, so that the grid moves to the next cell.
class TabReporter : public Window {
public:
    TabReporter();
    // Subclasses the control; `grid` hears of the Tab.
    bool Adopt(HWND control, HWND grid, UINT message, WPARAM argument);
    // Enter is reported too, with the same message and this argument, and its character
    // swallowed.
    void ReportEnter(WPARAM argument) { enterArgument_ = argument; }

private:
    int OnKeyDown(WPARAM key, LPARAM, LRESULT* result);
    int OnTabKey(WPARAM key, LPARAM, LRESULT* result);

    HWND grid_ = nullptr;
    UINT message_ = 0;
    WPARAM argument_ = 0;
    WPARAM enterArgument_ = 0;  // 0: Enter is the control's own
};

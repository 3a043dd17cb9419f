#include "GridControls.h"

#include <commctrl.h>

#include <vector>

HFONT CreateGridFont() { return CreateFontA(14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"); }

int GridTextWidth(HWND window, HFONT font, const std::string& text) {
    ClientDC dc(window);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, previous);
    return size.cx;
}

int GridFontHeight(HWND window, HFONT font) {
    ClientDC dc(window);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    return metrics.tmHeight;
}

// The window has the closed size; the height asked for when it was made or moved is the
// open list's.
int ClosedComboHeight(HWND combo) {
    RECT box = {};
    GetWindowRect(combo, &box);
    return int(box.bottom - box.top);
}

void SetStatusText(HWND statusBar, const std::string& text) {
    if (statusBar) ::SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(size_t(length) + 2, '\0');
    const int copied = GetWindowTextA(window, buffer.data(), int(buffer.size()));
    return std::string(buffer.data(), size_t(copied > 0 ? copied : 0));
}

TabReporter::TabReporter() {
    BindDecidingMessage(WM_KEYDOWN, this, &TabReporter::OnKeyDown);
    BindDecidingMessage(WM_CHAR, this, &TabReporter::OnTabKey);
    BindDecidingMessage(WM_KEYUP, this, &TabReporter::OnTabKey);
}

bool TabReporter::Adopt(HWND control, HWND grid, UINT message, WPARAM argument) {
    grid_ = grid;
    message_ = message;
    argument_ = argument;
    return Attach(control) != 0;
}

int TabReporter::OnKeyDown(WPARAM key, LPARAM, LRESULT* result) {
    if (key == VK_RETURN && enterArgument_) {
        ::SendMessageA(grid_, message_, enterArgument_, 0);
        *result = 0;
        return kHandled;
    }
    if (key != VK_TAB) return kNotHandled;
    ::SendMessageA(grid_, message_, argument_ ? argument_ : WPARAM(GetHandle()), 0);
    *result = 0;
    return kHandled;
}

int TabReporter::OnTabKey(WPARAM key, LPARAM, LRESULT* result) {
    const bool enter = enterArgument_ && (key == VK_RETURN || key == '\r');
    if (key != VK_TAB && key != '\t' && !enter) return kNotHandled;
    *result = 0;
    return kHandled;
}

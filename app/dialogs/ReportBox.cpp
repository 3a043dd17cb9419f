#include "ReportBox.h"

#include <algorithm>
#include <vector>

#include "AppState.h"

namespace {
const int kMargin = 10;
const int kButtonWidth = 75, kButtonHeight = 23;
const int kMinimumTextWidth = 180;
// Room the edit control needs around its text: border and inner margins.
const int kEditPadding = 12;

struct ReportBoxData {
    std::string caption;
    std::string text;  // lines ended with "\r\n", as the edit control shows them
    HFONT font = nullptr;
};

// The box's font: the one message boxes use.
HFONT MessageFont() {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        if (HFONT font = CreateFontIndirectA(&metrics.lfMessageFont)) return font;
    return nullptr;
}

std::string WithCarriageReturns(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

RECT WorkArea() {
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// The text's size in the font, its lines broken at `wrapWidth` when one is given.
SIZE MeasureText(HWND window, HFONT font, const std::string& text, int wrapWidth) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT box = {0, 0, wrapWidth > 0 ? wrapWidth : 1, 0};
    UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL;
    if (wrapWidth > 0) format |= DT_WORDBREAK;
    DrawTextA(dc, text.c_str(), int(text.size()), &box, format);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    // An empty last line still takes a line in the edit control.
    return SIZE{box.right - box.left, box.bottom - box.top + metrics.tmHeight};
}

// The frame's size beyond a client area of nothing.
SIZE FrameSize(HWND box) {
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongA(box, GWL_STYLE)), FALSE, DWORD(GetWindowLongA(box, GWL_EXSTYLE)));
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

struct ReportLayout {
    SIZE client;   // the box's client area
    SIZE edit;     // the text control
    bool scrolls;  // the text is taller than the control
};

ReportLayout LayOut(HWND box, const ReportBoxData& data) {
    const RECT area = WorkArea();
    const SIZE frame = FrameSize(box);
    const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int chromeWidth = frame.cx + 2 * kMargin + kEditPadding + scrollWidth;
    const int chromeHeight = frame.cy + 3 * kMargin + kButtonHeight + kEditPadding;
    const int widest = std::max(kMinimumTextWidth, int(area.right - area.left) - chromeWidth);
    const int tallest = std::max(kButtonHeight, int(area.bottom - area.top) - chromeHeight);
    SIZE text = MeasureText(box, data.font, data.text, 0);
    if (text.cx > widest) text = MeasureText(box, data.font, data.text, widest);
    ReportLayout layout;
    layout.scrolls = text.cy > tallest;
    layout.edit.cx = std::min(std::max(int(text.cx), kMinimumTextWidth), widest) + kEditPadding +
                     (layout.scrolls ? scrollWidth : 0);
    layout.edit.cy = std::min(int(text.cy), tallest) + kEditPadding;
    layout.client.cx = layout.edit.cx + 2 * kMargin;
    layout.client.cy = layout.edit.cy + 3 * kMargin + kButtonHeight;
    return layout;
}

HWND MakeChild(HWND box, const char* cls, const char* text, DWORD style, DWORD exStyle, int id, HFONT font) {
    HWND child = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, box,
                                 HMENU(INT_PTR(id)), GetAppInstance(), nullptr);
    SendMessageA(child, WM_SETFONT, WPARAM(font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
}

// Makes the text control and OK, then sizes and centres the box in the work area. The
// caption comes last: whoever finds the box by its caption finds it whole, with its text.
void BuildBox(HWND box, ReportBoxData& data) {
    const ReportLayout layout = LayOut(box, data);
    // OK first: the box's first tab stop is where the focus goes when it is activated.
    HWND ok = MakeChild(box, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, IDOK, data.font);
    MoveWindow(ok, (layout.client.cx - kButtonWidth) / 2, layout.client.cy - kMargin - kButtonHeight, kButtonWidth,
               kButtonHeight, FALSE);
    const DWORD editStyle = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_TABSTOP | (layout.scrolls ? WS_VSCROLL : 0);
    HWND edit = MakeChild(box, "EDIT", "", editStyle, WS_EX_CLIENTEDGE, kReportTextId, data.font);
    SendMessageA(edit, EM_SETLIMITTEXT, WPARAM(data.text.size() + 1), 0);
    MoveWindow(edit, kMargin, kMargin, layout.edit.cx, layout.edit.cy, FALSE);
    SetWindowTextA(edit, data.text.c_str());
    // The report is read from its first line.
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    const RECT area = WorkArea();
    const SIZE frame = FrameSize(box);
    const int width = layout.client.cx + frame.cx, height = layout.client.cy + frame.cy;
    const int left = std::max(int(area.left), int(area.left + area.right - width) / 2);
    const int top = std::max(int(area.top), int(area.top + area.bottom - height) / 2);
    SetWindowPos(box, HWND_TOP, left, top, width, height, SWP_NOZORDER);
    SendMessageA(box, DM_SETDEFID, IDOK, 0);
    SetFocus(ok);
    SetWindowTextA(box, data.caption.c_str());
}

INT_PTR CALLBACK ReportBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_INITDIALOG:
            BuildBox(box, *reinterpret_cast<ReportBoxData*>(lParam));
            return FALSE;  // the focus is on OK
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(box, LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
        }
    } catch (...) {
        EndDialog(box, IDCANCEL);
        return FALSE;
    }
}

// An empty dialog template: the procedure makes the controls and sizes the box.
std::vector<WORD> EmptyTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dialog->style = DS_MODALFRAME | DS_3DLOOK | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog->dwExtendedStyle = WS_EX_DLGMODALFRAME;
    // No menu, the default class, an empty title: the three words after the header.
    return words;
}
}  // namespace

void ShowReportBox(HWND owner, const std::string& caption, const std::string& text) {
    ReportBoxData data;
    data.caption = caption;
    data.text = WithCarriageReturns(text);
    data.font = MessageFont();
    std::vector<WORD> dialog = EmptyTemplate();
    DialogBoxIndirectParamA(GetAppInstance(), reinterpret_cast<LPCDLGTEMPLATEA>(dialog.data()), owner,
                            ReportBoxProc, reinterpret_cast<LPARAM>(&data));
    if (data.font) DeleteObject(data.font);
}

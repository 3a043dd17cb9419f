// Whether the captions of a dialog's controls fit them: each caption is measured in the
// control's own font against the room its control leaves for text (a push button's frame,
// a check box's box, a group box's corners; a static's text wraps within its rectangle).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace caption_fit {

// The room a control leaves for its caption: 0 where it shows no caption of its own.
struct TextRoom {
    int width = 0, height = 0;
    bool wraps = false;
};

inline TextRoom RoomOf(HWND control) {
    char kind[64] = {};
    GetClassNameA(control, kind, sizeof kind);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    RECT client;
    GetClientRect(control, &client);
    TextRoom room{int(client.right), int(client.bottom), false};
    if (lstrcmpiA(kind, "Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) room.width -= 6;  // the edge and the focus
        else if (type == BS_GROUPBOX) room.width -= 16;                         // the frame's corners
        else if (type == BS_OWNERDRAW) room.width = 0;
        else room.width -= 17;                                                   // the box or circle and its gap
        room.wraps = (style & BS_MULTILINE) != 0;
        return room;
    }
    if (lstrcmpiA(kind, "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) room.wraps = true;
        else if (type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) room.width = 0;
        return room;
    }
    return TextRoom{};
}

inline std::string CaptionOf(HWND control) {
    char text[512] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

// A problem line for the control, or "" when its caption fits.
inline std::string Measure(HWND control) {
    const TextRoom room = RoomOf(control);
    const std::string caption = CaptionOf(control);
    if (room.width <= 0 && room.height <= 0) return "";
    if (caption.empty()) return "";
    HDC dc = GetDC(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font ? HGDIOBJ(font) : GetStockObject(SYSTEM_FONT));
    std::string shown;  // the caption without its mnemonic marks
    for (size_t i = 0; i < caption.size(); ++i)
        if (caption[i] != '&' || (i + 1 < caption.size() && caption[++i] == '&')) shown += caption[i];
    SIZE needed = {0, 0};
    GetTextExtentPoint32A(dc, shown.c_str(), int(shown.size()), &needed);
    if (room.wraps) {
        // Wrapped at word breaks: a word wider than the room widens the rectangle.
        RECT wrapped = {0, 0, room.width, 0};
        DrawTextA(dc, caption.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        needed = SIZE{wrapped.right, wrapped.bottom};
    }
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    if (needed.cx <= room.width && needed.cy <= room.height) return "";
    return "control " + std::to_string(GetDlgCtrlID(control)) + " \"" + caption + "\" needs " +
           std::to_string(needed.cx) + "x" + std::to_string(needed.cy) + ", has " + std::to_string(room.width) + "x" +
           std::to_string(room.height);
}

inline INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The problems of every control of the dialog resource, each line led by the dialog's name.
inline std::vector<std::string> MeasureDialog(HINSTANCE module, LPCSTR name, HWND parent) {
    const std::string label = IS_INTRESOURCE(name) ? "#" + std::to_string(uintptr_t(name)) : std::string(name);
    HWND dialog = CreateDialogParamA(module, name, parent, QuietDialog, 0);
    if (!dialog) return {label + ": cannot be created (error " + std::to_string(GetLastError()) + ")"};
    std::vector<std::string> problems;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const std::string problem = Measure(c);
        if (!problem.empty()) problems.push_back(label + ": " + problem);
    }
    DestroyWindow(dialog);
    return problems;
}

inline BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    auto* list = reinterpret_cast<std::vector<std::string>*>(names);
    list->push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(uintptr_t(name)) : std::string(name));
    return TRUE;
}

// The names of the module's dialog resources ("#N" for numbered ones, which the resource
// functions take as they are).
inline std::vector<std::string> DialogNames(HINSTANCE module) {
    std::vector<std::string> names;
    EnumResourceNamesA(module, RT_DIALOG, CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

}  // namespace caption_fit

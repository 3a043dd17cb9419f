#include "CloseBoxGlyph.h"

#include <algorithm>

namespace {
// The close box of a small caption is 11 by 11 pixels, centred in the caption's height.
const int kBoxSize = 11;

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }
}  // namespace

RECT CloseBoxRect(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    const LONG style = StyleOf(window);
    const bool thick = (style & WS_THICKFRAME) != 0;
    const int frameX = GetSystemMetrics(thick ? SM_CXFRAME : SM_CXDLGFRAME);
    const int frameY = GetSystemMetrics(thick ? SM_CYFRAME : SM_CYDLGFRAME);
    const int caption = GetSystemMetrics(SM_CYSMCAPTION);
    const int right = (outer.right - outer.left) - frameX;
    RECT box;
    box.top = frameY + (caption - 1 - kBoxSize) / 2;
    box.left = right - (caption + 1 + kBoxSize) / 2;
    box.bottom = box.top + kBoxSize;
    box.right = box.left + kBoxSize;
    return box;
}

void DrawCloseGlyph(HWND window) {
    const LONG style = StyleOf(window);
    if ((style & WS_CAPTION) != WS_CAPTION || !(style & WS_SYSMENU)) return;
    if (!(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) return;
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    const RECT box = CloseBoxRect(window);
    // The face inside the box's raised edge, cleared of whatever the system wrote there.
    const RECT face{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &face, brush);
    DeleteObject(brush);
    // Two strokes, each two pixels wide, corner to corner of a square within the face.
    const int size = std::min(face.right - face.left, face.bottom - face.top) - 2;
    const int x = face.left + (face.right - face.left - size - 1) / 2, y = face.top + (face.bottom - face.top - size) / 2;
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    for (int dx = 0; dx < 2; ++dx) {
        MoveToEx(dc, x + dx, y, nullptr);
        LineTo(dc, x + dx + size, y + size);
        MoveToEx(dc, x + dx + size - 1, y, nullptr);
        LineTo(dc, x + dx - 1, y + size);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(window, dc);
}

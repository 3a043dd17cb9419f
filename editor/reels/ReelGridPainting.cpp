// Painting the Reels page: the labels around the grid on the page, the cells in the grid.
#include <cstdio>

#include "ReelStripGrid.h"

namespace {
// A text clipped to the rectangle, with its top-left corner at (x, y).
void ClippedText(HDC dc, int x, int y, const RECT& clip, const std::string& text) {
    ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, text.c_str(), UINT(text.size()), nullptr);
}

// A raised line: dark shadow, then highlight, from (x0, y0) to (x1, y1) and once more one
// pixel further along the other axis.
void SeparatorLine(HDC dc, int x0, int y0, int x1, int y1) {
    const bool horizontal = y0 == y1;
    HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DHILIGHT));
    HGDIOBJ previous = SelectObject(dc, dark);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, light);
    MoveToEx(dc, x0 + (horizontal ? 0 : 1), y0 + (horizontal ? 1 : 0), nullptr);
    LineTo(dc, x1 + (horizontal ? 0 : 1), y1 + (horizontal ? 1 : 0));
    SelectObject(dc, previous);
    DeleteObject(dark);
    DeleteObject(light);
}
}  // namespace

LRESULT ReelStripGrid::OnPagePaint(WPARAM, LPARAM) {
    GridPainter paint(GetHandle(), font_, COLOR_BTNFACE, COLOR_BTNTEXT);
    PaintLabels(paint.Dc());
    return 0;
}

void ReelStripGrid::PaintLabels(HDC dc) {
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    SeparatorLine(dc, 0, kHeaderHeight - 2, client.right, kHeaderHeight - 2);
    SeparatorLine(dc, kLabelWidth - 2, 0, kLabelWidth - 2, client.bottom);
    const RECT rowClip = {0, kHeaderHeight, kLabelWidth - 2, client.bottom};
    for (int stop = 0; stop < model_.GetStopCount(); ++stop) {
        char label[16];
        std::snprintf(label, sizeof label, "%2d", stop + 1);
        ClippedText(dc, 8, kHeaderHeight + stop * rowHeight_ - scrollY_, rowClip, label);
    }
    const RECT columnClip = {kLabelWidth, 0, client.right, kHeaderHeight - 2};
    const int textTop = 9 - GridFontHeight(GetHandle(), font_) / 2;
    for (int reel = 0; reel < model_.GetReelCount(); ++reel) {
        const std::string label = "Reel " + std::to_string(reel + 1);
        const int width = GridTextWidth(GetHandle(), font_, label);
        const int x = kLabelWidth + reel * columnWidth_ - scrollX_ + (columnWidth_ - width) / 2;
        ClippedText(dc, x, textTop, columnClip, label);
    }
}

LRESULT ReelStripGrid::OnGridPaint(WPARAM, LPARAM) {
    GridPainter paint(contentPane_.GetHandle(), font_, COLOR_WINDOW, COLOR_WINDOWTEXT);
    HDC dc = paint.Dc();
    RECT client = {};
    GetClientRect(contentPane_.GetHandle(), &client);
    const int firstRow = scrollY_ / rowHeight_, lastRow = (scrollY_ + client.bottom) / rowHeight_;
    const int firstColumn = scrollX_ / columnWidth_, lastColumn = (scrollX_ + client.right) / columnWidth_;
    for (int row = firstRow; row <= lastRow && row < model_.GetStopCount(); ++row) {
        for (int column = firstColumn; column <= lastColumn && column < model_.GetReelCount(); ++column) {
            const StripEntry& entry = model_.At(GridCell{row, column});
            const RECT cell = CellOnScreen(GridCell{row, column});
            const std::string weight = std::to_string(entry.weight);
            TextOutA(dc, cell.left + 2, cell.top, entry.symbol.c_str(), int(entry.symbol.size()));
            TextOutA(dc, cell.left + nameWidth_, cell.top, weight.c_str(), int(weight.size()));
        }
    }
    return 0;
}

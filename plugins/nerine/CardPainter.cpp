#include "CardPainter.h"

#include <algorithm>

namespace {

const COLORREF kGold = RGB(255, 212, 92);
const COLORREF kCream = RGB(246, 240, 226);
const COLORREF kPanel = RGB(14, 10, 44);
const RECT kPanelRect = {24, 16, 776, 584};
const int kRowsTop = 146;
const int kRowsBottom = 548;
const int kIconsLeft = 64;
const int kAmountRight = 730;

}  // namespace

HFONT CardPainter::MakeFont(int height, int weight)
{
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, fontName_.c_str());
}

int CardPainter::FittingHeight(const std::string& text, int height, int weight, int width)
{
    for (; height > 10; height -= 2) {
        HFONT font = MakeFont(height, weight);
        HGDIOBJ old = SelectObject(canvas_.Dc(), font);
        SIZE size{};
        GetTextExtentPoint32A(canvas_.Dc(), text.c_str(), int(text.size()), &size);
        SelectObject(canvas_.Dc(), old);
        DeleteObject(font);
        if (size.cx <= width)
            break;
    }
    return height;
}

void CardPainter::Text(const std::string& text, RECT rect, int height, int weight, COLORREF colour, UINT flags)
{
    HDC dc = canvas_.Dc();
    HFONT font = MakeFont(height, weight);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const int shadow = height >= 30 ? 3 : 1;
    RECT shadowRect = {rect.left + shadow, rect.top + shadow, rect.right + shadow, rect.bottom + shadow};
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextA(dc, text.c_str(), int(text.size()), &shadowRect, flags | DT_NOPREFIX);
    SetTextColor(dc, colour);
    DrawTextA(dc, text.c_str(), int(text.size()), &rect, flags | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

void CardPainter::DrawFrame()
{
    canvas_.Shade(kPanelRect, 28, kPanel, 176);
    HDC dc = canvas_.Dc();
    HPEN outer = CreatePen(PS_SOLID, 4, kGold);
    HPEN inner = CreatePen(PS_SOLID, 1, RGB(200, 150, 60));
    HGDIOBJ oldPen = SelectObject(dc, outer);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, kPanelRect.left, kPanelRect.top, kPanelRect.right, kPanelRect.bottom, 56, 56);
    SelectObject(dc, inner);
    RoundRect(dc, kPanelRect.left + 8, kPanelRect.top + 8, kPanelRect.right - 8, kPanelRect.bottom - 8, 44, 44);
    MoveToEx(dc, 80, kRowsTop - 10, nullptr);
    LineTo(dc, 720, kRowsTop - 10);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(outer);
    DeleteObject(inner);
}

void CardPainter::DrawTitle(const std::string& name, const std::string& subtitle)
{
    const int height = FittingHeight(name, 66, FW_BOLD, 680);
    Text(name, RECT{40, 30, 760, 112}, height, FW_BOLD, kGold, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Text(subtitle, RECT{40, 106, 760, 130}, FittingHeight(subtitle, 20, FW_NORMAL, 700), FW_NORMAL, kCream,
         DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CardPainter::DrawTile(const RECT& tile, const AwardImage* picture)
{
    canvas_.Shade(tile, 6, RGB(250, 246, 236), picture ? 230 : 70);
    if (picture == nullptr) {
        Text("ANY", tile, (tile.bottom - tile.top) / 3, FW_BOLD, kCream, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    const int inset = (tile.bottom - tile.top) / 12 + 1;
    canvas_.DrawPicture(*picture, RECT{tile.left + inset, tile.top + inset, tile.right - inset, tile.bottom - inset});
}

void CardPainter::DrawWildBadge(int left, int top, int height)
{
    const RECT badge = {left, top + height / 4, left + height + 12, top + height * 3 / 4};
    canvas_.Shade(badge, 8, RGB(200, 30, 40), 230);
    Text("WILD", badge, height / 3, FW_BOLD, RGB(255, 255, 255), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CardPainter::DrawRow(const CardRow& row, int index, int count, const CardPictures& pictures)
{
    const int rowHeight = std::min(64, (kRowsBottom - kRowsTop) / std::max(count, 1));
    const int top = kRowsTop + index * rowHeight;
    const int icon = rowHeight - 8;
    if (index % 2 == 1)
        canvas_.Shade(RECT{56, top, 744, top + rowHeight}, 10, RGB(255, 255, 255), 20);
    int x = kIconsLeft;
    for (int symbol : row.symbols) {
        const AwardImage* picture = symbol == kAnySymbol ? nullptr : pictures.symbols[symbol];
        DrawTile(RECT{x, top + 4, x + icon, top + 4 + icon}, picture);
        x += icon + 8;
    }
    if (row.wild)
        DrawWildBadge(x + 4, top, rowHeight);
    if (!row.label.empty())
        Text(row.label, RECT{kIconsLeft, top, 480, top + rowHeight}, rowHeight * 2 / 5, FW_BOLD, kCream,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const int amountHeight = row.note.empty() ? rowHeight * 11 / 20 : rowHeight / 2;
    const RECT amount = {440, top, kAmountRight, row.note.empty() ? top + rowHeight : top + rowHeight * 11 / 20};
    Text(row.amount, amount, amountHeight, FW_BOLD, kGold, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    if (!row.note.empty())
        Text(row.note, RECT{260, top + rowHeight * 11 / 20, kAmountRight, top + rowHeight + 2}, rowHeight * 2 / 5,
             FW_NORMAL, kCream, DT_RIGHT | DT_TOP | DT_SINGLELINE);
}

void CardPainter::DrawFootnote(const std::string& text)
{
    Text(text, RECT{40, kRowsBottom + 2, 760, kRowsBottom + 22}, 16, FW_NORMAL, kCream,
         DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Painting the Payouts page: the headers on the page, the lines in the grid pane.
#include <algorithm>

#include "PayoutPage.h"

namespace {
// A text centred in the column [left, right) of the band, clipped to the band.
void CentredText(HDC dc, const RECT& band, int left, int right, int top, const std::string& text) {
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    ExtTextOutA(dc, (left + right - size.cx) / 2, top, ETO_CLIPPED, &band, text.c_str(), UINT(text.size()), nullptr);
}

void RaisedEdge(HDC dc, const RECT& band, UINT edges) {
    RECT edge = band;
    DrawEdge(dc, &edge, EDGE_ETCHED, edges);
}
}  // namespace

LRESULT PayoutPage::OnPageFocus(WPARAM, LPARAM) {
    if (controlsClosed_) {
        ::SetFocus(contentPane_.GetHandle());
        return 0;
    }
    if (!cells_.empty() && cells_[size_t(currentRow_)][size_t(currentColumn_)].control)
        ::SetFocus(cells_[size_t(currentRow_)][size_t(currentColumn_)].control);
    return 0;
}

LRESULT PayoutPage::OnPagePaint(WPARAM, LPARAM) {
    GridPainter paint(GetHandle(), font_, COLOR_BTNFACE, COLOR_BTNTEXT);
    PaintHeaders(paint.Dc());
    return 0;
}

void PayoutPage::PaintHeaders(HDC dc) {
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    const int left = numberWidth_ / 2;
    const RECT corner = {0, 0, left, rowHeight_};
    RaisedEdge(dc, RECT{0, 0, client.right, rowHeight_}, BF_BOTTOM);
    RaisedEdge(dc, RECT{0, 0, left, client.bottom}, BF_RIGHT);
    CentredText(dc, corner, 0, left, 2, "#");
    for (int row = 0; row < int(cells_.size()); ++row) {
        const int top = rowHeight_ + row * rowHeight_ - scrollY_;
        CentredText(dc, rowHeaderBand_, 0, left, top + 2, std::to_string(row + 1));
    }
    int x = left - scrollX_;
    CentredText(dc, columnHeaderBand_, x, x + kBothWaysWidth, 2, "BothWays");
    x += kBothWaysWidth;
    for (int reel = 0; reel < reelCount_; ++reel, x += reelWidth_)
        CentredText(dc, columnHeaderBand_, x, x + reelWidth_, 2, "Reel " + std::to_string(reel + 1));
    for (int coin = 0; coin < maxBet_; ++coin, x += coinWidth_)
        CentredText(dc, columnHeaderBand_, x, x + coinWidth_, 2, "Coin " + std::to_string(coin + 1));
}

LRESULT PayoutPage::OnGridPaint(WPARAM, LPARAM) {
    GridPainter paint(contentPane_.GetHandle(), font_, COLOR_WINDOW, COLOR_WINDOWTEXT);
    HDC dc = paint.Dc();
    for (int row = 0; row < int(cells_.size()); ++row) PaintRow(dc, row);
    if (!cells_.empty()) {
        RECT focus = CellOnScreen(cells_[size_t(currentRow_)][size_t(currentColumn_)].rect);
        DrawFocusRect(dc, &focus);
    }
    return 0;
}

void PayoutPage::PaintRow(HDC dc, int row) {
    const PayLine& line = table_.lines[size_t(row)];
    const int top = row * rowHeight_ - scrollY_;
    const int side = rowHeight_ - 5;
    RECT box = {(kBothWaysWidth - side) / 2 - scrollX_, top + 2, 0, 0};
    box.right = box.left + side;
    box.bottom = box.top + side;
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (line.kind == 1 ? DFCS_CHECKED : 0));
    auto text = [&](int x, const std::string& s) { TextOutA(dc, x - scrollX_, top, s.c_str(), int(s.size())); };
    if (IsCountedLine(line)) {
        text(kBothWaysWidth, CountedLineText(line));
    } else {
        for (size_t i = 0; i < line.items.size(); ++i) text(62 + int(i) * reelWidth_, ItemText(line.items[i]));
    }
    // A long scriptlet stays within its own cell.
    for (size_t j = 0; j < line.payouts.size(); ++j) {
        const int left = kBothWaysWidth + reelCount_ * reelWidth_ + int(j) * coinWidth_ - scrollX_;
        const RECT cell = {left, top, left + coinWidth_, top + rowHeight_};
        const std::string payout = PayoutText(line.payouts[j]) + " ";
        ExtTextOutA(dc, left + 2, top, ETO_CLIPPED, &cell, payout.c_str(), UINT(payout.size()), nullptr);
    }
}

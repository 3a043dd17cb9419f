#include "GridPage.h"

#include <algorithm>

namespace {
const UINT kRangePagePosition = 0x17;  // range, page and position; bars stay when not needed
}  // namespace

GridPage::GridPage(const RECT& area) {
    SetStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL);
    SetRect(area);
    BindMessage(WM_SIZE, this, &GridPage::OnPageSize);
    contentPane_.BindMessage(WM_SIZE, this, &GridPage::OnGridSize);
}

GridPage::~GridPage() {
    if (font_) DeleteObject(font_);
}

LRESULT GridPage::OnPageSize(WPARAM, LPARAM) {
    const int labelWidth = GetBands().cx, headerHeight = GetBands().cy;
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    rowHeaderBand_ = RECT{0, headerHeight, labelWidth, client.bottom};
    columnHeaderBand_ = RECT{labelWidth, 0, client.right, headerHeight};
    if (contentPane_.GetHandle())
        MoveWindow(contentPane_.GetHandle(), labelWidth, headerHeight, std::max<LONG>(0, client.right - labelWidth),
                   std::max<LONG>(0, client.bottom - headerHeight), TRUE);
    return 0;
}

// Both bars from 0 to the content's size, pages of the pane's size, back to the start.
LRESULT GridPage::OnGridSize(WPARAM, LPARAM) {
    RECT client = {};
    GetClientRect(contentPane_.GetHandle(), &client);
    SIZE content;
    GetContentSize(&content);
    SCROLLINFO vertical = {sizeof vertical, kRangePagePosition, 0, int(content.cy), UINT(client.bottom), 0, 0};
    SCROLLINFO horizontal = {sizeof horizontal, kRangePagePosition, 0, int(content.cx), UINT(client.right), 0, 0};
    SetScrollInfo(GetHandle(), SB_VERT, &vertical, TRUE);
    SetScrollInfo(GetHandle(), SB_HORZ, &horizontal, TRUE);
    ScrollBy(0, 0, false);
    return 0;
}

GridPainter::GridPainter(HWND window, HFONT font, int background, int text) : PaintScope(window) {
    RECT client = {};
    GetClientRect(window, &client);
    FillRect(Dc(), &client, GetSysColorBrush(background));
    previous_ = SelectObject(Dc(), font);
    SetBkMode(Dc(), TRANSPARENT);
    SetTextColor(Dc(), GetSysColor(text));
}

GridPainter::~GridPainter() { SelectObject(Dc(), previous_); }

#include "ScrollView.h"

#include <algorithm>

#include "ScrollPositions.h"

ScrollView::ScrollView() {
    BindMessage(WM_VSCROLL, this, &ScrollView::OnVScrollBar);
    BindMessage(WM_HSCROLL, this, &ScrollView::OnHScrollBar);
}

void ScrollView::GetItemRect(int, int, RECT* rect) { SetRectEmpty(rect); }
void ScrollView::GetContentSize(SIZE* size) { *size = SIZE{0, 0}; }
void ScrollView::GetLineSize(SIZE* size) { *size = SIZE{1, 1}; }

SIZE ScrollView::ClientSize() {
    RECT client = {0, 0, 0, 0};
    GetClientRect(contentPane_.GetHandle() ? contentPane_.GetHandle() : handle_, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

void ScrollView::ScrollBand(HDC dc, const RECT& band, int dx, int dy, RECT* uncovered) {
    ScrollDC(dc, dx, dy, &band, &band, nullptr, nullptr);
    *uncovered = band;
    if (dy > 0) uncovered->bottom = band.top + dy;
    if (dy < 0) uncovered->top = band.bottom + dy;
    if (dx > 0) uncovered->right = band.left + dx;
    if (dx < 0) uncovered->left = band.right + dx;
}

void ScrollView::ScrollBy(int x, int y, bool updateBars) {
    if (updateBars) {
        SetScrollPos(handle_, SB_HORZ, x, TRUE);
        SetScrollPos(handle_, SB_VERT, y, TRUE);
    }
    const int dx = scrollX_ - x, dy = scrollY_ - y;
    scrollX_ = x;
    scrollY_ = y;
    if (!dx && !dy) return;
    ScrollWindow(contentPane_.GetHandle(), dx, dy, nullptr, nullptr);
    RECT uncovered = {0, 0, 0, 0};
    {
        ClientDC dc(handle_);
        if (dy) ScrollBand(dc, rowHeaderBand_, 0, dy, &uncovered);
        if (dx) ScrollBand(dc, columnHeaderBand_, dx, 0, &uncovered);
    }
    InvalidateAndUpdate(&uncovered);
}

void ScrollView::ScrollIntoView(const RECT& rect) {
    SIZE content, client = ClientSize();
    GetContentSize(&content);
    const int x = ScrollIntoViewPosition(ScrollAxis{scrollX_, client.cx, content.cx}, rect.left, rect.right);
    const int y = ScrollIntoViewPosition(ScrollAxis{scrollY_, client.cy, content.cy}, rect.top, rect.bottom);
    ScrollBy(x, y, true);
}

void ScrollView::ScrollTo(int a, int b) {
    RECT rect;
    GetItemRect(a, b, &rect);
    ScrollIntoView(rect);
}

void ScrollView::UpdateScrollRanges() {
    if (!handle_) return;
    SIZE content, client = ClientSize();
    GetContentSize(&content);
    // A position past the new end moves back, so nothing is left scrolled out of reach.
    const int x = std::clamp(scrollX_, 0, int(ScrollAxis{scrollX_, client.cx, content.cx}.Largest()));
    const int y = std::clamp(scrollY_, 0, int(ScrollAxis{scrollY_, client.cy, content.cy}.Largest()));
    if (x != scrollX_ || y != scrollY_) ScrollBy(x, y, false);
    SCROLLINFO bar = {sizeof bar, SIF_ALL | SIF_DISABLENOSCROLL, 0, int(content.cx), UINT(client.cx), x, 0};
    SetScrollInfo(handle_, SB_HORZ, &bar, TRUE);
    bar = SCROLLINFO{sizeof bar, SIF_ALL | SIF_DISABLENOSCROLL, 0, int(content.cy), UINT(client.cy), y, 0};
    SetScrollInfo(handle_, SB_VERT, &bar, TRUE);
}

int ScrollView::BarPosition(bool vertical, WPARAM wParam) {
    SIZE content, client = ClientSize(), line;
    GetContentSize(&content);
    GetLineSize(&line);
    const ScrollAxis axis = vertical ? ScrollAxis{scrollY_, client.cy, content.cy}
                                     : ScrollAxis{scrollX_, client.cx, content.cx};
    return ScrollBarPosition(axis, LOWORD(wParam), HIWORD(wParam), vertical ? line.cy : line.cx);
}

LRESULT ScrollView::OnVScrollBar(WPARAM wParam, LPARAM) {
    OnScrollBar();
    ScrollBy(scrollX_, BarPosition(true, wParam), true);
    return 0;
}

LRESULT ScrollView::OnHScrollBar(WPARAM wParam, LPARAM) {
    OnScrollBar();
    ScrollBy(BarPosition(false, wParam), scrollY_, true);
    return 0;
}

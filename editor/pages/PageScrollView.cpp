#include "PageScrollView.h"

PageScrollView::PageScrollView(Window* parent, const RECT& area, int paneId, DWORD paneStyle) : parent_(parent) {
    SetStyle(WS_CHILD | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL);
    SetRect(area);
    contentPane_.SetStyle(paneStyle);
    contentPane_.SetMenuOrId(UINT_PTR(paneId));
    font_ = CreateFontA(14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

PageScrollView::~PageScrollView() {
    if (GetHandle()) Destroy();
    if (font_) DeleteObject(font_);
}

int PageScrollView::Create() {
    if (!Window::Create(parent_)) return 0;
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    contentPane_.SetRect(client);
    if (!contentPane_.Create(this)) return 0;
    {
        ClientDC dc(GetPane());
        HGDIOBJ old = SelectObject(dc, font_);
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        lineHeight_ = metrics.tmHeight + 4;
    }
    BindMessage(WM_PAINT, this, &PageScrollView::OnEmptyPaint);
    BindMessage(WM_SIZE, this, &PageScrollView::OnSize);
    contentPane_.BindMessage(WM_PAINT, this, &PageScrollView::OnPanePaint);
    contentPane_.BindMessage(WM_SIZE, this, &PageScrollView::OnPaneSize);
    UpdateScrollRanges();
    return 1;
}

RECT PageScrollView::ToPane(const RECT& content) const {
    RECT r = content;
    OffsetRect(&r, -scrollX_, -scrollY_);
    return r;
}

POINT PageScrollView::MenuPoint(LPARAM screenPoint, POINT* screen) const {
    POINT point = {short(LOWORD(screenPoint)), short(HIWORD(screenPoint))};
    if (point.x == -1 && point.y == -1) GetCursorPos(&point);
    *screen = point;
    ScreenToClient(GetPane(), &point);
    return ToContent(point);
}

LRESULT PageScrollView::OnPanePaint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(GetPane(), &paint);
    PaintPane(dc);
    EndPaint(GetPane(), &paint);
    return 0;
}

LRESULT PageScrollView::OnEmptyPaint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    BeginPaint(GetHandle(), &paint);
    EndPaint(GetHandle(), &paint);
    return 0;
}

LRESULT PageScrollView::OnSize(WPARAM, LPARAM) {
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    MoveWindow(GetPane(), 0, 0, client.right, client.bottom, TRUE);
    return 0;
}

LRESULT PageScrollView::OnPaneSize(WPARAM, LPARAM) {
    UpdateScrollRanges();
    return 0;
}

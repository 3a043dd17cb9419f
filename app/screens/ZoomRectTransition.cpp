#include "ZoomRectTransition.h"

#include "DeviceContext.h"

namespace {
LONG Between(LONG from, LONG to, int step) { return from + (to - from) * step / kZoomSteps; }

void Outline(HDC dc, const RECT& r) { Rectangle(dc, r.left, r.top, r.right, r.bottom); }

void Pause(HWND window, const RECT& drawn, ZoomPause pause, void* context) {
    if (pause) pause(window, drawn, context);
    else Sleep(kZoomStepMilliseconds);
}
}  // namespace

RECT ZoomStepRect(const RECT& from, const RECT& to, int step) {
    return RECT{Between(from.left, to.left, step), Between(from.top, to.top, step),
                Between(from.right, to.right, step), Between(from.bottom, to.bottom, step)};
}

void ZoomRectTransition(HWND window, const RECT& from, const RECT& to, ZoomPause pause, void* context) {
    ClientDC dc(window);
    if (!dc.Get()) return;
    SetROP2(dc, R2_NOT);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RECT r = from;
    Outline(dc, r);
    Pause(window, r, pause, context);
    for (int i = 0; i < kZoomSteps; ++i) {
        Outline(dc, r);
        r = ZoomStepRect(from, to, i);
        Outline(dc, r);
        Pause(window, r, pause, context);
    }
    Outline(dc, r);
    SetROP2(dc, R2_NOT);
    SelectObject(dc, oldBrush);
}

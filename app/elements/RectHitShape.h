// A hit shape that covers one rectangle and moves with its element.
#pragma once
#include <windows.h>

#include "HitShape.h"

class RectHitShape : public HitShape {
public:
    explicit RectHitShape(RECT rect) : rect_(rect) {}
    bool HitTest(POINT point) override { return PtInRect(&rect_, point) != 0; }
    void OnMove(POINT offset) override { OffsetRect(&rect_, offset.x, offset.y); }
    void OnPlace(POINT point) override { OffsetRect(&rect_, point.x - rect_.left, point.y - rect_.top); }
    const RECT& Rect() const { return rect_; }

private:
    RECT rect_;
};

// The hit shape of a face element: which points it covers, told when its element moves.
#pragma once
#include <windows.h>

class HitShape {
public:
    virtual ~HitShape() = default;
    virtual bool HitTest(POINT point) = 0;
    // The element moved by the offset.
    virtual void OnMove(POINT offset) = 0;
    // The element was placed at the point.
    virtual void OnPlace(POINT point) = 0;
};

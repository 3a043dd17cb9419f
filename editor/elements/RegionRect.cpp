#include "RegionRect.h"

bool RegionRect::HitTest(POINT point) {
    if (rect_.Contains(Point{point.x, point.y})) return true;
    return edgeFlag_ && NearBorder(point);
}

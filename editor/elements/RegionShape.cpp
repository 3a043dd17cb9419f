#include "RegionShape.h"

bool RegionShape::HitTest(POINT point) {
    if (region_.HitTest(Point{point.x, point.y})) return true;
    for (size_t i = 0; i < region_.vertices.size(); ++i) {
        const Point node = region_.VertexAt(i);
        const int32_t dx = node.x - point.x, dy = node.y - point.y;
        if (dx >= -2 && dx <= 3 && dy >= -2 && dy <= 3) return true;
    }
    return false;
}

void RegionShape::OnMove(POINT offset) {
    region_.originX += offset.x;
    region_.originY += offset.y;
}

void RegionShape::OnPlace(POINT point) {
    region_.originX = point.x;
    region_.originY = point.y;
}

#include "PolygonNodes.h"

#include <cstdint>
#include <cstdlib>

int NodeAt(const Region& region, Point point) {
    for (size_t i = 0; i < region.vertices.size(); ++i) {
        const Point node = region.VertexAt(i);
        const int32_t dx = node.x - point.x, dy = node.y - point.y;
        if (dx >= -2 && dx <= 3 && dy >= -2 && dy <= 3) return int(i);
    }
    return -1;
}

size_t InsertionIndex(const Region& region, Point point) {
    const size_t count = region.vertices.size();
    size_t best = 0;
    bool found = false;
    int32_t bestScore = 0;
    for (size_t k = 0; k < count; ++k) {
        // k = 0 is the closing edge; then (0, 1), (1, 2) and so on.
        const Point a = region.VertexAt(k == 0 ? count - 1 : k - 1);
        const Point b = region.VertexAt(k == 0 ? 0 : k);
        const int32_t ex = b.x - a.x, ey = b.y - a.y, px = point.x - a.x, py = point.y - a.y;
        const double lengthSquared = double(ex) * ex + double(ey) * ey;
        if (lengthSquared == 0) continue;
        const double t = (double(ex) * px + double(ey) * py) / lengthSquared;
        if (t < 0 || t > 1) continue;
        const int32_t score = std::abs(ex * py - ey * px);
        if (!found || score < bestScore) {
            found = true;
            bestScore = score;
            best = k == 0 ? count : k;  // after the edge's first node
        }
    }
    return found ? best : 0;
}

size_t InsertNode(Region& region, Point point) {
    const size_t index = InsertionIndex(region, point);
    region.vertices.insert(region.vertices.begin() + long(index),
                           Point{point.x - region.originX, point.y - region.originY});
    return index;
}

bool DeleteNode(Region& region, size_t index) {
    if (index >= region.vertices.size() || region.vertices.size() <= kMinimumRegionNodes) return false;
    region.vertices.erase(region.vertices.begin() + long(index));
    return true;
}

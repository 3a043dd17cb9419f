#include "ElementGeometry.h"

std::array<Point, 4> HandleCorners(const ElementRect& rect) {
    const int32_t left = rect.left - 2, top = rect.top - 2;
    const int32_t farLeft = rect.right + 2 - kHandleSize, farTop = rect.bottom + 2 - kHandleSize;
    return {Point{left, top}, Point{farLeft, top}, Point{farLeft, farTop}, Point{left, farTop}};
}

bool NearBorder(const ElementRect& r, Point p) {
    if (p.x < r.left - 2 || p.x > r.right + 2 || p.y < r.top - 2 || p.y > r.bottom + 2) return false;
    const bool wellInside = r.left + 3 < p.x && p.x < r.right - 3 && r.top + 3 < p.y && p.y < r.bottom - 3;
    return !wellInside;
}

GrabbedEdges EdgesAt(const ElementRect& r, Point p) {
    GrabbedEdges edges;
    edges.top = p.y <= r.top + 3;
    edges.bottom = p.y >= r.bottom - 3;
    edges.left = p.x <= r.left + 3;
    edges.right = p.x >= r.right - 3;
    return edges;
}

ElementRect ResizeByEdges(const ElementRect& rect, const GrabbedEdges& edges, Point p) {
    ElementRect r = rect;
    if (edges.left) {
        if (p.x > r.right) r.left = r.right, r.right = p.x;
        else r.left = p.x;
    }
    if (edges.top) {
        if (p.y > r.bottom) r.top = r.bottom, r.bottom = p.y;
        else r.top = p.y;
    }
    if (edges.bottom) {
        if (p.y < r.top) r.bottom = r.top, r.top = p.y;
        else r.bottom = p.y;
    }
    if (edges.right) {
        if (p.x < r.left) r.right = r.left, r.left = p.x;
        else r.right = p.x;
    }
    return r;
}

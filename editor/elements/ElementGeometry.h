// The geometry of editing elements on the Graphics page, free of any window: the element
// rectangle, its selection handles, the grip band along its border, and resizing by edges.
#pragma once
#include <array>
#include <cstdint>

#include "Geometry.h"

// Left, top, right, bottom; right and bottom are exclusive.
struct ElementRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void Offset(int32_t dx, int32_t dy) { left += dx, right += dx, top += dy, bottom += dy; }
    bool operator==(const ElementRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const ElementRect& o) const { return !(*this == o); }
};

const int32_t kHandleSize = 5;

// The top-left corners of the four 5 by 5 handle squares, at the corners of the rectangle
// grown by 2 pixels on every side: top-left, top-right, bottom-right, bottom-left.
std::array<Point, 4> HandleCorners(const ElementRect& rect);

// The grip band runs from 2 pixels outside each edge to 3 pixels inside it.
bool NearBorder(const ElementRect& rect, Point p);

// The edges that a press at the point grabs (a corner grabs two).
struct GrabbedEdges {
    bool top = false, left = false, bottom = false, right = false;
};
GrabbedEdges EdgesAt(const ElementRect& rect, Point p);

// The rectangle after the grabbed edges followed the pointer to p. An edge dragged past
// the opposite one flips the rectangle instead of making it negative.
ElementRect ResizeByEdges(const ElementRect& rect, const GrabbedEdges& edges, Point p);

// A polygon region of a machine: an origin, vertices relative to it, and a list of
// entries that its users keep with it. Hit tests use the non-zero winding rule.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Geometry.h"

class Region {
public:
    Region() = default;
    virtual ~Region() = default;

    // The vertex at the list position, plus the origin; a sum beyond the 32-bit range is
    // held at its end.
    Point VertexAt(size_t index) const;
    bool HitTest(const Point& p) const { return Contains(p); }
    bool Contains(const Point& p) const;

    int32_t originX = 0;
    int32_t originY = 0;
    std::vector<Point> vertices;
    // Sixteen-byte entries that the region's users fill and read.
    std::vector<std::array<uint8_t, 16>> entries;
};

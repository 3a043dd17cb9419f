// The outline of a machine region as its 'regn' asset stores it: an origin and the nodes
// relative to it. The machine screen needs its lowest edge to place the camera.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Geometry.h"

struct RegionOutline {
    Point origin{0, 0};
    std::vector<Point> nodes;

    // The largest y of a node (origin added); the origin's y without nodes.
    int32_t Bottom() const;
    // Whether the origin plus every node lies in the signed 32-bit range that the screen's
    // points have. The file's words may give anything.
    bool WithinRange() const;
};

// Reads the region data that follows the asset's kind word: origin x and y, two reserved
// words, node count, entry count, then the nodes as x, y pairs. False when the counts run
// past `bytes`.
bool ReadRegionOutline(const void* data, size_t bytes, RegionOutline& outline);

// The node arithmetic of a polygon region in the editor: which node a press grabs, where a
// node inserted at a point goes, and whether a node may be deleted.
#pragma once
#include <cstddef>

#include "Region.h"

// The fewest nodes a region keeps: deleting below this is refused.
const size_t kMinimumRegionNodes = 3;

// The first node (in node order) whose absolute position lies from 2 pixels before to
// 3 pixels after the point on both axes; -1 when none does.
int NodeAt(const Region& region, Point point);

// The list position at which a node inserted at the point goes: between the two nodes of
// the edge that lies nearest (edges whose foot point falls outside them do not count,
// and the score is the unnormalised cross product, so of two equally near edges the
// shorter wins); 0 when no edge counts. Edges are examined from the closing edge (last
// node to first) on, in node order; the first of equal scores wins.
size_t InsertionIndex(const Region& region, Point point);

// Inserts a node at the absolute point; returns its list position.
size_t InsertNode(Region& region, Point point);

// Deletes the node unless that would leave fewer than three; true when it went.
bool DeleteNode(Region& region, size_t index);

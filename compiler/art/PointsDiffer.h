// Whether two points differ in either value; the edits use it to tell whether a point
// changed.
#pragma once
#include "Geometry.h"

inline bool PointsDiffer(const Point& a, const Point& b) { return a.x != b.x || a.y != b.y; }

#include "Geometry.h"

#include <cmath>

RotationMatrix::RotationMatrix(double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    m[0] = c;
    m[1] = s;
    m[2] = -s;
    m[3] = c;
}

bool Rect::ContainsPoint(const Point& p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

void Rect::OffsetBy(int32_t dx, int32_t dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

void Rect::MoveTo(int32_t x, int32_t y) { OffsetBy(x - left, y - top); }

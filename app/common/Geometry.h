// Plain points, the rotation matrix, and rectangle arithmetic.
#pragma once
#include <cstdint>

struct Point {
    int32_t x;
    int32_t y;
};

// The 2 x 2 rotation by an angle in radians: cos a, sin a, -sin a, cos a.
struct RotationMatrix {
    explicit RotationMatrix(double angle);
    double m[4];
};

// A rectangle with a hit test; the default hit test answers true for every point.
class HitTester {
public:
    virtual ~HitTester() = default;
    virtual bool HitTest(const Point&) const { return true; }
};

class Rect : public HitTester {
public:
    Rect() = default;
    Rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : left(left), top(top), right(right), bottom(bottom) {}

    // Inside when left <= x < right and top <= y < bottom, as PtInRect.
    bool ContainsPoint(const Point& p) const;
    bool HitTest(const Point& p) const override { return ContainsPoint(p); }
    void OffsetBy(int32_t dx, int32_t dy);
    // The top-left corner goes to (x, y); width and height stay.
    void MoveTo(int32_t x, int32_t y);
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }

    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

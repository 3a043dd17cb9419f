// A rectangle of the engine's own bookkeeping, with its intersection and union.
#pragma once
#include <cstdint>

// Left, top, right, bottom: laid out like the platform's RECT.
struct Rect {
    int32_t left, top, right, bottom;
    bool Empty() const { return right <= left || bottom <= top; }
    int64_t Area() const { return Empty() ? 0 : int64_t(right - left) * (bottom - top); }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

inline Rect Intersection(const Rect& a, const Rect& b) {
    Rect r = {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
              a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.Empty()) return {0, 0, 0, 0};
    return r;
}

inline Rect Union(const Rect& a, const Rect& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

inline bool Intersects(const Rect& a, const Rect& b) { return !Intersection(a, b).Empty(); }
// Whether two rectangles that are not empty meet; without branches, for searches.
inline bool MeetsNonEmpty(const Rect& a, const Rect& b) {
    return (a.left < b.right) & (b.left < a.right) & (a.top < b.bottom) & (b.top < a.bottom);
}

#include "Region.h"

#include <algorithm>

#include "WideInt.h"

namespace {
// a + b, held to the 32-bit range: origins and vertices come from machine files.
int32_t ClampedSum(int32_t a, int32_t b) {
    return int32_t(std::clamp<int64_t>(int64_t(a) + b, INT32_MIN, INT32_MAX));
}

// a1 * a2 >= b1 * b2, exact for every 64-bit factor: the answer of a hit test never
// depends on how the processor rounds (the x87's precision word, for one).
bool ProductAtLeast(int64_t a1, int64_t a2, int64_t b1, int64_t b2) {
    int64_t a, b;
    if (!__builtin_mul_overflow(a1, a2, &a) && !__builtin_mul_overflow(b1, b2, &b)) return a >= b;
    return WideInt::Product(a1, a2) >= WideInt::Product(b1, b2);
}
}  // namespace

Point Region::VertexAt(size_t index) const {
    const Point& v = vertices.at(index);
    return Point{ClampedSum(v.x, originX), ClampedSum(v.y, originY)};
}

bool Region::Contains(const Point& p) const {
    const size_t count = vertices.size();
    if (count == 0) return false;
    // Points on the outline must not depend on the order in which the vertices were
    // given: the outline is always walked in the direction of positive area.
    // Twice the area, exact: each product fits in 64 bits, their sum in 128.
    WideInt area;
    for (size_t i = 0, j = count - 1; i < count; j = i++) {
        area += WideInt::Of(int64_t(vertices[j].x) * vertices[i].y);
        area += -WideInt::Of(int64_t(vertices[i].x) * vertices[j].y);
    }
    const bool reversed = area.Negative();
    auto vertex = [&](size_t k) { return VertexAt(reversed ? count - 1 - k : k); };

    int winding = 0;
    Point previous = vertex(count - 1);
    for (size_t i = 0; i < count; ++i) {
        const Point current = vertex(i);
        const bool a = previous.y >= p.y;
        const bool b = current.y >= p.y;
        if (a != b) {
            const bool atLeast = ProductAtLeast(int64_t(previous.x) - current.x, int64_t(current.y) - p.y,
                                                int64_t(previous.y) - current.y, int64_t(current.x) - p.x);
            if (atLeast == b) winding += a ? -1 : 1;
        }
        previous = current;
    }
    return winding != 0;
}

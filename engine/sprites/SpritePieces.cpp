#include "SpritePieces.h"

namespace quor {

Rect32 Unite(const Rect32& a, const Rect32& b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    Rect32 r = {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
    return r;
}

int SplitSpan(int32_t begin, int32_t end, int32_t size, bool wraps, AxisSpan out[2]) {
    if (end <= begin) return 0;
    if (!wraps || size <= 0) {
        out[0] = {begin, end, 0};
        return 1;
    }
    // Shift by whole world sizes so that the span's far end (moving right) or its near end
    // (moving left) falls inside the world. 64-bit so that extreme positions cannot overflow.
    int64_t b = begin, e = end;
    if (e <= 0) {
        int64_t k = (-e) / size + 1;
        b += k * size;
        e += k * size;
    } else if (b >= size) {
        int64_t k = b / size;
        b -= k * size;
        e -= k * size;
    }
    if (e - b > size) {
        // A span longer than the world covers it whole (drawn from its left part). One
        // exactly as long splits below like any other, unless it starts at 0.
        int64_t skip = b < 0 ? -b : 0;
        out[0] = {0, size, int32_t(skip)};
        return 1;
    }
    if (b < 0) {
        out[0] = {int32_t(b + size), size, 0};
        out[1] = {0, int32_t(e), int32_t(-b)};
        return 2;
    }
    if (e > size) {
        out[0] = {int32_t(b), size, 0};
        out[1] = {0, int32_t(e - size), int32_t(size - b)};
        return 2;
    }
    out[0] = {int32_t(b), int32_t(e), 0};
    return 1;
}

PieceSet CutIntoPieces(const Rect32& bounds, int32_t worldWidth, int32_t worldHeight, bool wrapX,
                       bool wrapY) {
    PieceSet set;
    if (worldWidth <= 0 || worldHeight <= 0) return set;
    AxisSpan xs[2], ys[2];
    int nx = SplitSpan(bounds.left, bounds.right, worldWidth, wrapX, xs);
    int ny = SplitSpan(bounds.top, bounds.bottom, worldHeight, wrapY, ys);
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i)
            set.pieces[set.count++] = {xs[i].begin, ys[j].begin, xs[i].end, ys[j].end, xs[i].offset,
                                       ys[j].offset};
    return set;
}

}  // namespace quor

// Where a sprite lies in its world: the rectangle it covers is cut into up to four pieces
// where the world wraps, each with its offset inside the sprite's bounds.
#pragma once
#include <cstdint>

namespace quor {

struct Rect32 {
    int32_t left, top, right, bottom;
};

inline bool IsEmpty(const Rect32& r) { return r.right <= r.left || r.bottom <= r.top; }
inline Rect32 Intersect(const Rect32& a, const Rect32& b) {
    Rect32 r = {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return r;
}
// Union of two rectangles; an empty one adds nothing.
Rect32 Unite(const Rect32& a, const Rect32& b);

struct SpritePiece {
    int32_t left, top, right, bottom;  // the part inside the world, world pixels
    int32_t offsetX, offsetY;          // where that part starts within the bounds
};

struct PieceSet {
    int count = 0;
    SpritePiece pieces[4];
};

// One axis: the span [begin, end) in a world of `size` pixels. Writes one or two spans
// (begin, end, offset within the original span) and returns how many; 0 when the span is
// empty.
struct AxisSpan {
    int32_t begin, end, offset;
};
int SplitSpan(int32_t begin, int32_t end, int32_t size, bool wraps, AxisSpan out[2]);

// The pieces of `bounds` in a world of width x height; nothing when the world has no area.
PieceSet CutIntoPieces(const Rect32& bounds, int32_t worldWidth, int32_t worldHeight, bool wrapX,
                       bool wrapY);

}  // namespace quor

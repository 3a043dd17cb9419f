#include "DirtyRectList.h"

#include <algorithm>
#include <cstddef>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

Rect Intersection(const Rect& a, const Rect& b) {
    Rect r = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
    if (r.Empty()) return {0, 0, 0, 0};
    return r;
}

Rect Union(const Rect& a, const Rect& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

bool Intersects(const Rect& a, const Rect& b) { return !Intersection(a, b).Empty(); }

namespace {

// Two rectangles that are not empty meet.
inline bool Meet(const Rect& a, const Rect& b) {
    return (a.left < b.right) & (b.left < a.right) & (a.top < b.bottom) & (b.top < a.bottom);
}

}  // namespace

// The search that every Add makes: with hundreds of small changes in a frame it is the
// render's largest cost after drawing, so it tests a whole rectangle in two vector steps.
size_t DirtyRectList::FirstMeeting(const Rect& r) const {
    const size_t n = rects_.size();
    const Rect* p = rects_.data();
#ifdef __SSE2__
    // a meets r when (a.left, a.top, ~a.right, ~a.bottom) < (r.right, r.bottom, ~r.left,
    // ~r.top) in every lane: inverting the bits turns "greater" into "less".
    const __m128i invertHigh = _mm_set_epi32(-1, -1, 0, 0);
    const __m128i limit = _mm_set_epi32(~r.top, ~r.left, r.bottom, r.right);
    for (size_t i = 0; i < n; ++i) {
        const __m128i a = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), invertHigh);
        if (_mm_movemask_epi8(_mm_cmplt_epi32(a, limit)) == 0xFFFF) return i;
    }
    return n;
#else
    for (size_t i = 0; i < n; ++i)
        if (Meet(p[i], r)) return i;
    return n;
#endif
}

void DirtyRectList::MakeWhole() {
    rects_.clear();
    rects_.push_back(bounds_);
    area_ = bounds_.Area();
    whole_ = true;
}

// Clips a rectangle to the bounds; false when nothing is left to list (it missed the
// bounds, the list is whole, or it covered the bounds and made the list whole).
bool DirtyRectList::Clip(Rect& r) {
    if (whole_ || !Intersects(r, bounds_)) return false;
    r = Intersection(r, bounds_);
    if (!(r == bounds_)) return true;
    MakeWhole();
    return false;
}

void DirtyRectList::Add(Rect r) {
    while (Clip(r)) {
        const size_t at = FirstMeeting(r);
        if (at == rects_.size()) {
            rects_.push_back(r);
            area_ += r.Area();
            return;
        }
        // The union replaces the one it met and is added again by the same rule.
        r = Union(rects_[at], r);
        area_ -= rects_[at].Area();
        rects_.erase(rects_.begin() + std::ptrdiff_t(at));
    }
}

void DirtyRectList::AddApart(Rect r) {
    if (!Clip(r)) return;
    rects_.push_back(r);
    area_ += r.Area();
}

void DirtyRectList::SetBounds(const Rect& bounds) {
    whole_ = false;
    bounds_ = bounds;
    for (auto it = rects_.begin(); it != rects_.end();) {
        Rect clipped = Intersection(*it, bounds_);
        if (clipped.Empty()) {
            it = rects_.erase(it);
            continue;
        }
        if (clipped == bounds_) {
            MakeWhole();
            return;
        }
        *it++ = clipped;
    }
    area_ = 0;
    for (const Rect& r : rects_) area_ += r.Area();
}

void DirtyRectList::Clear() {
    rects_.clear();
    area_ = 0;
    whole_ = false;
}

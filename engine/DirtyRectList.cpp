#include "DirtyRectList.h"

#include <algorithm>

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

void DirtyRectList::MakeWhole() {
    rects_.clear();
    rects_.push_back(bounds_);
    area_ = bounds_.Area();
    whole_ = true;
}

void DirtyRectList::Add(Rect r) {
    for (;;) {
        if (whole_ || !Intersects(r, bounds_)) return;
        r = Intersection(r, bounds_);
        if (r == bounds_) {
            MakeWhole();
            return;
        }
        auto hit = std::find_if(rects_.begin(), rects_.end(), [&](const Rect& o) { return Intersects(o, r); });
        if (hit == rects_.end()) {
            rects_.push_back(r);
            area_ += r.Area();
            return;
        }
        // The union replaces the one it met and is added again by the same rule.
        r = Union(*hit, r);
        area_ -= hit->Area();
        rects_.erase(hit);
    }
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

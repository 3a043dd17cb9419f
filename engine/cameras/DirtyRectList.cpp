#include "DirtyRectList.h"

#include <algorithm>
#include <cstddef>

namespace {

// Below this many rectangles a plain search is quicker than keeping the band index.
const size_t kIndexedFrom = 24;

}  // namespace

DirtyRectList::DirtyRectList(const Rect& bounds) : bounds_(bounds) {}

void DirtyRectList::Append(const Rect& r) {
    rects_.push_back(r);
    if (indexed_) ids_.push_back(index_->Insert(r));
    area_ += r.Area();
}

// The position of the first listed rectangle that r meets, or the count. A long list is
// searched through the band index, whose ids rise in list order.
size_t DirtyRectList::FirstMeeting(const Rect& r) {
    if (rects_.size() < kIndexedFrom && !indexed_) {
        for (size_t i = 0; i < rects_.size(); ++i)
            if (MeetsNonEmpty(rects_[i], r)) return i;
        return rects_.size();
    }
    if (!indexed_) {
        if (!index_) index_ = std::make_unique<RectBandIndex>();
        index_->Reset(bounds_);
        ids_.clear();
        for (const Rect& listed : rects_) ids_.push_back(index_->Insert(listed));
        indexed_ = true;
    }
    const uint32_t hit = index_->FirstMeeting(r);
    if (hit == RectBandIndex::kNone) return rects_.size();
    return size_t(std::lower_bound(ids_.begin(), ids_.end(), hit) - ids_.begin());
}

void DirtyRectList::MakeWhole() {
    Clear();
    Append(bounds_);
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
            Append(r);
            return;
        }
        // The union replaces the one it met and is added again by the same rule.
        r = Union(rects_[at], r);
        area_ -= rects_[at].Area();
        rects_.erase(rects_.begin() + std::ptrdiff_t(at));
        if (indexed_) {
            index_->Erase(ids_[at]);
            ids_.erase(ids_.begin() + std::ptrdiff_t(at));
        }
    }
}

void DirtyRectList::AddApart(Rect r) {
    if (Clip(r)) Append(r);
}

void DirtyRectList::SetBounds(const Rect& bounds) {
    const std::vector<Rect> old = rects_;
    Clear();
    bounds_ = bounds;
    for (const Rect& r : old) {
        const Rect clipped = Intersection(r, bounds_);
        if (clipped.Empty()) continue;
        if (clipped == bounds_) {
            MakeWhole();
            return;
        }
        Append(clipped);
    }
}

void DirtyRectList::Clear() {
    rects_.clear();
    ids_.clear();
    indexed_ = false;
    area_ = 0;
    whole_ = false;
}

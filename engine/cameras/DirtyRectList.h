// The rectangles of a view that changed since its last render. Rectangles are clipped to
// the bounds; one that meets another is merged with it into their union (which may then
// absorb further ones); one that covers the bounds makes the whole list one rectangle.
#pragma once
#include <cstdint>
#include <cstddef>
#include <memory>
#include <vector>

#include "Rect.h"
#include "RectBandIndex.h"

class DirtyRectList {
public:
    explicit DirtyRectList(const Rect& bounds = {0, 0, 0, 0});

    void Add(Rect r);
    // Room for `count` rectangles.
    void Reserve(size_t count) { rects_.reserve(count); }
    // Add for a rectangle known to meet none of those listed (as those of another list,
    // which never overlap, do): the same result without the search.
    void AddApart(Rect r);
    // New bounds: every rectangle is clipped to them; those left with nothing go.
    void SetBounds(const Rect& bounds);
    void Clear();
    // Marks the whole of the bounds as changed.
    void AddWhole() { Add(bounds_); }

    const Rect& Bounds() const { return bounds_; }
    bool Whole() const { return whole_; }
    size_t Count() const { return rects_.size(); }
    // The area the rectangles cover (they never overlap).
    int64_t CoveredArea() const { return area_; }
    const std::vector<Rect>& Rects() const { return rects_; }
    // Calls fn for every rectangle in list order until it returns false.
    template <class Fn>
    void ForEach(Fn fn) const {
        for (const Rect& r : rects_)
            if (!fn(r)) return;
    }

private:
    void Append(const Rect& r);
    void MakeWhole();
    bool Clip(Rect& r);
    size_t FirstMeeting(const Rect& r);

    Rect bounds_;
    std::vector<Rect> rects_;  // in the order added; a merge takes one out and adds again
    // A long list's search: the band index, and each rectangle's id in it (rising in list
    // order), kept while indexed_ is set.
    std::unique_ptr<RectBandIndex> index_;  // made when first needed, kept for reuse
    std::vector<uint32_t> ids_;
    bool indexed_ = false;
    int64_t area_ = 0;
    bool whole_ = false;
};

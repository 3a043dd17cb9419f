// The rectangles of a view that changed since its last render. Rectangles are clipped to
// the bounds; one that meets another is merged with it into their union (which may then
// absorb further ones); one that covers the bounds makes the whole list one rectangle.
#pragma once
#include <cstdint>
#include <cstddef>
#include <vector>

// Left, top, right, bottom: laid out like the platform's RECT.
struct Rect {
    int32_t left, top, right, bottom;
    bool Empty() const { return right <= left || bottom <= top; }
    int64_t Area() const { return Empty() ? 0 : int64_t(right - left) * (bottom - top); }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

Rect Intersection(const Rect& a, const Rect& b);
Rect Union(const Rect& a, const Rect& b);
bool Intersects(const Rect& a, const Rect& b);

class DirtyRectList {
public:
    explicit DirtyRectList(const Rect& bounds = {0, 0, 0, 0}) : bounds_(bounds) {}

    void Add(Rect r);
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
    Rect bounds_;
    void MakeWhole();
    bool Clip(Rect& r);
    // The index of the first rectangle that meets r (which is not empty), or the count.
    size_t FirstMeeting(const Rect& r) const;

    std::vector<Rect> rects_;  // in the order added; a merge takes one out and adds again
    int64_t area_ = 0;
    bool whole_ = false;
};

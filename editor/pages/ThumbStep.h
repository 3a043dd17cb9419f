// Stepping the Animations page's selection with the keyboard through every frame of every
// row in order, wrapping at both ends; rows without frames are passed over.
#pragma once
#include <cstddef>
#include <vector>

struct ThumbIndex {
    int row = -1;
    int thumb = -1;
    bool operator==(const ThumbIndex& o) const { return row == o.row && thumb == o.thumb; }
};

// The next (or previous) thumbnail after `current`; without a current one (row -1), the
// first thumbnail of the first row that has one. Row -1 when no row has a thumbnail.
ThumbIndex StepThumb(const std::vector<size_t>& rowSizes, ThumbIndex current, bool forward);

// Where a vertical scroll request moves the Graphics page: by 5 pixels a line, by the
// page's height a page, to the thumb's position; never above 0 nor past the backdrop's
// bottom edge.
#pragma once
#include <cstdint>

// The request codes of a scroll bar message.
enum ScrollRequest : int32_t {
    kScrollLineUp = 0, kScrollLineDown = 1, kScrollPageUp = 2, kScrollPageDown = 3,
    kScrollThumbPosition = 4, kScrollThumbTrack = 5
};

int32_t PageScrollTarget(int32_t code, int32_t thumb, int32_t y, int32_t page, int32_t contentHeight);

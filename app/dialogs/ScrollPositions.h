// Where a scroll view's position goes: for a scroll-bar request, and to bring a stretch of
// content into view. One axis at a time; sizes in pixels of content.
#pragma once
#include <cstdint>

struct ScrollAxis {
    int32_t position;  // the first content pixel shown
    int32_t client;    // how many pixels the view shows
    int32_t content;   // how many pixels the content has
    // The largest position that still fills the view; 0 when the content is smaller.
    int32_t Largest() const { return content > client ? content - client : 0; }
};

// The position after a scroll-bar request (SB_LINEUP ... SB_BOTTOM): lines of `line`
// pixels, pages of one view, the thumb's position `thumb` as given (not clamped).
// Unknown codes keep the position.
int32_t ScrollBarPosition(const ScrollAxis& axis, int code, int32_t thumb, int32_t line);

// The position that shows [begin, end) with the least movement, within 0 and the largest.
int32_t ScrollIntoViewPosition(const ScrollAxis& axis, int32_t begin, int32_t end);

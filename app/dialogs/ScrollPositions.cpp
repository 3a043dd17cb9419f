#include "ScrollPositions.h"

#include <algorithm>

namespace {
// The scroll-bar request codes of the Win32 API (SB_LINEUP and so on).
enum ScrollCode {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
    kTop = 6,
    kBottom = 7,
};
}  // namespace

int32_t ScrollBarPosition(const ScrollAxis& axis, int code, int32_t thumb, int32_t line) {
    const int32_t largest = axis.Largest();
    switch (code) {
    case kLineUp:
        return std::max(axis.position - line, 0);
    case kLineDown:
        return std::min(axis.position + line, largest);
    case kPageUp:
        return std::max(axis.position - axis.client, 0);
    case kPageDown:
        return std::min(axis.position + axis.client, largest);
    case kThumbPosition:
    case kThumbTrack:
        return thumb;
    case kTop:
        return 0;
    case kBottom:
        return largest;
    default:
        return axis.position;
    }
}

int32_t ScrollIntoViewPosition(const ScrollAxis& axis, int32_t begin, int32_t end) {
    int32_t position = axis.position;
    if (begin < position) {
        position = begin;
    } else if (end > position + axis.client) {
        position = end - axis.client;
    }
    return std::clamp(position, 0, axis.Largest());
}

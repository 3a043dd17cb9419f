#include "ElementPlacement.h"

#include <algorithm>

int32_t HotSpotShift(int32_t mode, int32_t size) {
    switch (mode) {
    case kHotSpotCentre: return -(size / 2);
    case kHotSpotTrailing: return 1 - size;
    default: return 0;
    }
}

ElementRect PictureRect(Point hotSpot, int32_t width, int32_t height, int32_t horizontal, int32_t vertical) {
    const int32_t left = hotSpot.x + HotSpotShift(horizontal, width);
    const int32_t top = hotSpot.y + HotSpotShift(vertical, height);
    return ElementRect{left, top, left + width, top + height};
}

Point HotSpotOf(const ElementRect& picture, int32_t horizontal, int32_t vertical) {
    return Point{picture.left - HotSpotShift(horizontal, picture.Width()),
                 picture.top - HotSpotShift(vertical, picture.Height())};
}

int32_t ClampDigits(int32_t digits) { return std::clamp(digits, kFewestDigits, kMostDigits); }

#include "PageScroll.h"

int32_t PageScrollTarget(int32_t code, int32_t thumb, int32_t y, int32_t page, int32_t contentHeight) {
    int32_t target = y;
    switch (code) {
    case kScrollLineUp: target = y - 5; break;
    case kScrollLineDown: target = y + 5; break;
    case kScrollPageUp: target = y - page; break;
    case kScrollPageDown: target = y + page; break;
    case kScrollThumbPosition:
    case kScrollThumbTrack: target = thumb; break;
    default: break;
    }
    if (target < 0) target = 0;
    const int32_t maximum = contentHeight - page;
    if (target > maximum) target = maximum;
    return target < 0 ? 0 : target;
}

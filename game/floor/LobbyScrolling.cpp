#include "LobbyScrolling.h"

int32_t ScrollZoneAt(int32_t x, int32_t left, int32_t right, bool pressed) {
    const int32_t third = (right - left) / 3;
    if (x < left || x >= right) return kZoneNone;
    if (x < left + third) return pressed ? kZoneLeftPressed : kZoneLeft;
    if (x >= right - third) return pressed ? kZoneRightPressed : kZoneRight;
    return kZoneNone;
}

uint32_t ScrollZoneFrame(int32_t zone) {
    switch (zone) {
    case kZoneLeft: return 2;
    case kZoneRight: return 4;
    case kZoneLeftPressed: return 1;
    case kZoneRightPressed: return 3;
    default: return 0;
    }
}

void LobbyScrollState::Update(int32_t zone, int32_t elapsedFrames) {
    for (int32_t i = 0; i < elapsedFrames; ++i) {
        switch (zone) {
        case kZoneLeft:
            if (speed > -kMaxSpeed) --speed;
            break;
        case kZoneRight:
            if (speed < kMaxSpeed) ++speed;
            break;
        case kZoneLeftPressed:
        case kZoneRightPressed:
            if (speed != 0) {
                speed /= 2;
                if (speed == 0) fullQuality = true;
            }
            break;
        default:
            if (speed != 0) fullQuality = true;
            speed = 0;
            break;
        }
    }
}

// Finds which of a list's rectangles meets a new one without testing them all: the bounds
// are cut into horizontal bands, and each band knows the rectangles that reach into it.
// Rectangles get rising ids as they are inserted, so the smallest id is the first in the
// order of insertion.
#pragma once
#include <cstdint>
#include <vector>

#include "Rect.h"

class RectBandIndex {
public:
    static constexpr uint32_t kNone = 0xFFFFFFFFu;

    // Empties the index for rectangles inside `bounds`; ids start again from 0.
    void Reset(const Rect& bounds);
    // Adds a rectangle inside the bounds and returns its id.
    uint32_t Insert(const Rect& r);
    void Erase(uint32_t id);
    // The smallest id whose rectangle meets r (not empty), or kNone.
    uint32_t FirstMeeting(const Rect& r) const;

private:
    static constexpr int kBands = 64;
    int BandOf(int32_t y) const;

    int32_t top_ = 0;
    int bandShift_ = 0;  // bands are 2^bandShift_ high
    std::vector<Rect> byId_;
    std::vector<uint32_t> bands_[kBands];
};

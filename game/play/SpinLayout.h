// A machine's reels as a spin reads them: strips, symbol height, reel windows and pay
// lines, with the geometry that turns a reel's target stop into the symbols on each line.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "WeightedStop.h"

struct SpinLayout {
    static const int kMaxPayLines = 5;

    int32_t stopCount = 0;      // S: every reel has this many stops
    int32_t symbolHeight = 0;   // H, pixels
    int32_t payLineCount = 1;   // 1 to 5
    std::vector<PlayStrip> strips;          // one per reel
    std::vector<int32_t> windowHeights;     // one per reel: bottom minus top of its window

    int32_t ReelCount() const { return int32_t(strips.size()); }
    // Why the layout cannot be played; empty when it can.
    std::string Problem() const;

    // (S - ((h0 - H) / 2) / H - 1) mod S, h0 the first reel's window height.
    int32_t StopOffset() const;
    // c(i) = ((window height of reel i - H) / 2) / H + 1.
    int32_t CentreOffset(int reel) const;
    // The row of pay line `line` on the reel, relative to the centre row.
    static int32_t RowOffset(int line, int reel);
    // The symbol numbers that pay line `line` reads, one per reel, with the reels at these
    // target stops.
    std::vector<int32_t> LineSymbols(int line, const std::vector<int32_t>& targetStops) const;
    // The strip entry at any index, wrapped round the strip.
    const ReelStop& StopAt(int reel, int64_t index) const;
};

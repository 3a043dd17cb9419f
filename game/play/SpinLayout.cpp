#include "SpinLayout.h"

namespace {
int32_t Wrap(int64_t index, int32_t count) { return int32_t(((index % count) + count) % count); }
}  // namespace

std::string SpinLayout::Problem() const {
    if (strips.empty()) return "The machine has no reels.";
    if (stopCount <= 0 || symbolHeight <= 0) return "The reels have no stops or no symbol height.";
    if (payLineCount < 1 || payLineCount > kMaxPayLines) return "A machine plays 1 to 5 pay lines.";
    if (windowHeights.size() != strips.size()) return "Every reel needs a window.";
    for (const PlayStrip& strip : strips) {
        if (int32_t(strip.size()) != stopCount) return "Every reel needs the same number of stops.";
        if (WeightTotal(strip) == 0) return "Every reel needs stops of some weight.";
    }
    return std::string();
}

int32_t SpinLayout::StopOffset() const {
    const int32_t h0 = windowHeights.empty() ? symbolHeight : windowHeights[0];
    return Wrap(int64_t(stopCount) - ((h0 - symbolHeight) / 2) / symbolHeight - 1, stopCount);
}

int32_t SpinLayout::CentreOffset(int reel) const {
    return ((windowHeights[reel] - symbolHeight) / 2) / symbolHeight + 1;
}

int32_t SpinLayout::RowOffset(int line, int reel) {
    switch (line) {
    case 1: return -1;
    case 2: return 1;
    case 3: return reel - 1;
    case 4: return 1 - reel;
    default: return 0;
    }
}

const ReelStop& SpinLayout::StopAt(int reel, int64_t index) const {
    return strips[reel][Wrap(index, stopCount)];
}

std::vector<int32_t> SpinLayout::LineSymbols(int line, const std::vector<int32_t>& targetStops) const {
    std::vector<int32_t> symbols(strips.size());
    for (int reel = 0; reel < ReelCount(); ++reel)
        symbols[reel] =
            StopAt(reel, int64_t(CentreOffset(reel)) + targetStops[reel] + RowOffset(line, reel)).symbol;
    return symbols;
}

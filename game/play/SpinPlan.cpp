#include "SpinPlan.h"

namespace {
int32_t Wrap(int64_t value, int32_t count) { return int32_t(((value % count) + count) % count); }
}  // namespace

void PlanFullSpin(const SpinLayout& layout, std::vector<ReelTarget>& targets, const std::vector<bool>& marked,
                  bool stagger) {
    const int32_t S = layout.stopCount, H = layout.symbolHeight;
    int64_t minimum = 1;
    for (int reel = 0; reel < layout.ReelCount(); ++reel) {
        if (!marked[reel]) continue;
        ReelTarget& t = targets[reel];
        t.start = t.current;
        const int64_t n = t.current / H;
        const int32_t k = Wrap(int64_t(layout.StopOffset()) + t.targetStop, S);
        t.targetStop = k;
        int64_t T = n - Wrap(n + minimum, S) + minimum + (S - 1 - k);
        while (T < n + minimum) T += S;
        t.target = int32_t(T * H);
        if (stagger) minimum = T - n + 1;
        t.reverse = false;
    }
}

void PlanShortMove(const SpinLayout& layout, std::vector<ReelTarget>& targets, const std::vector<bool>& marked) {
    const int32_t S = layout.stopCount, H = layout.symbolHeight;
    for (int reel = 0; reel < layout.ReelCount(); ++reel) {
        if (!marked[reel]) continue;
        ReelTarget& t = targets[reel];
        t.start = t.current;
        const int64_t n = t.current / H;
        const int32_t m = Wrap(n, S);
        const int32_t k = Wrap(int64_t(layout.StopOffset()) + t.targetStop, S);
        t.targetStop = k;
        const int32_t d = S - k - 1;  // the symbol, within this turn, that shows stop k
        int64_t symbol = n - m + d;
        // Round the strip when that is shorter; never back past the strip's start.
        if (symbol - n > S / 2) {
            if (symbol - S >= 0) symbol -= S;
        } else if (n - symbol > S / 2) {
            symbol += S;
        }
        t.target = int32_t(symbol * H);
        t.reverse = t.target < t.start;
    }
}

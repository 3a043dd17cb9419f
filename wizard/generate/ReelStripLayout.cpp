#include "ReelStripLayout.h"

#include <cmath>

#include "RandomGenerator.h"

namespace {

constexpr int kBlanks = kStopsPerReel / 2;  // the even stops

int SpoilerStops(const WizardPayout& payout)
{
    return static_cast<int>(payout.stops[6] + 0.1);
}

// The stops slot `s` takes on a reel: its count, less the blanks that stand for spoiler
// stops. Negative when the blanks stand for more than there are.
int StopsToPlace(const WizardPayout& payout, int slot, bool blanks)
{
    int k = static_cast<int>(std::floor(payout.stops[slot] + 0.1));
    if (blanks && slot == 6)
        k -= kBlanks;
    return k;
}

// The stops a reel gets filled with: every positive count and the blanks.
int StopsPlaced(const WizardPayout& payout, bool blanks)
{
    int total = blanks ? kBlanks : 0;
    for (int slot = 0; slot < kSymbolSlots; ++slot) {
        const int k = StopsToPlace(payout, slot, blanks);
        if (k > 0)
            total += k;
    }
    return total;
}

// Puts `k` stops of `slot` on the reel, `step` apart from `p`, each on the next free
// stop at or after its place. There is a free stop for each, as the counts were checked.
void PlaceSlot(ReelStrip& strip, int slot, int k, double p)
{
    const double step = double(kStopsPerReel) / k;
    for (int n = 0; n < k; ++n) {
        p = std::fmod(p + step, double(kStopsPerReel));
        int i = static_cast<int>(std::floor(p));
        while (strip[i] != kFreeStop) {
            p = p + 1;
            i = (i + 1) % kStopsPerReel;
        }
        p = std::fmod(p, double(kStopsPerReel));
        strip[i] = slot;
    }
}

ReelStrip LayOutReel(const WizardPayout& payout, bool blanks, RandomGenerator& random)
{
    ReelStrip strip;
    strip.fill(kFreeStop);
    if (blanks)
        for (int i = 0; i < kStopsPerReel; i += 2)
            strip[i] = kBlankSlot;
    for (int slot : PlacementOrder(payout.stops)) {
        const int k = StopsToPlace(payout, slot, blanks);
        if (k == 0)
            continue;
        // A slot with a negative count still draws its start, so that the later slots
        // see the same sequence.
        const double start = double(random.NextRaw() % kStopsPerReel);
        if (k > 0)
            PlaceSlot(strip, slot, k, start);
    }
    return strip;
}

}  // namespace

bool HasBlankFilling(const WizardPayout& payout)
{
    const int s = SpoilerStops(payout);
    return (s > 0 && !payout.spoiler) || s > kBlanks;
}

std::array<int, kSymbolSlots> PlacementOrder(const std::array<double, kSymbolSlots>& stops)
{
    std::array<int, kSymbolSlots> sorted = {0, 1, 2, 3, 4, 5, 6};
    for (int pass = 0; pass < kSymbolSlots - 1; ++pass)
        for (int j = 0; j < kSymbolSlots - 1; ++j)
            if (stops[sorted[j]] > stops[sorted[j + 1]])
                std::swap(sorted[j], sorted[j + 1]);
    return {sorted[6], sorted[0], sorted[5], sorted[1], sorted[4], sorted[2], sorted[3]};
}

bool LayOutReelStrips(const WizardPayout& payout, int reels, std::vector<ReelStrip>& strips,
                      std::string& error)
{
    const bool blanks = HasBlankFilling(payout);
    const int placed = StopsPlaced(payout, blanks);
    if (placed != kStopsPerReel) {
        error = "The reel configuration has " + std::to_string(placed) + " stops for the " +
                std::to_string(kStopsPerReel) + " of a reel";
        return false;
    }
    RandomGenerator random(10);
    strips.clear();
    for (int reel = 0; reel < reels; ++reel)
        strips.push_back(LayOutReel(payout, blanks, random));
    return true;
}

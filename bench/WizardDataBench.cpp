// The search that writes the wizard data file, whole, and the exact payout mathematics of
// one four-reel wild entry (every line of symbol slots judged), each timed per call.
#include <cstdio>

#include "BenchClock.h"
#include "WizardDataSearch.h"
#include "WizardPayout.h"

int main() {
    const double file = SecondsPerCall([] { BuildWizardTable(); }, 2.0);
    std::printf("wizard data file (1248 searched entries): %.3f s\n", file);

    WizardPayout payout;
    payout.reelCount = 4;
    payout.wild = true;
    payout.groupMembers = {0, 1, 1, 1, 1};
    payout.stops = {1, 2, 3, 4, 5, 3, 8};
    payout.pay = {5000, 50, 16, 6, 5, 2, 20, 10, 5, 2, 2};
    const double compute = SecondsPerCall([&] {
        payout.ComputeProbabilities();
        payout.ComputeTotals();
    });
    std::printf("probabilities and totals, four reels with wild: %.1f us\n", compute * 1e6);
    return 0;
}

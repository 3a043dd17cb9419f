#include "PayoutCounts.h"

#include "PayLineRows.h"

PayoutCounts EmptyCounts(const AnalyzedMachine& machine) {
    PayoutCounts counts;
    counts.hits.assign(static_cast<size_t>(machine.payTable.GetLineCount()),
                       std::vector<int64_t>(kJudgedLineLimit, 0));
    WeightedAttempts(machine, counts.attempts);
    return counts;
}

bool WeightedAttempts(const AnalyzedMachine& machine, int64_t& attempts) {
    int64_t product = 1;
    for (const std::vector<AnalyzedStop>& strip : machine.strips) {
        int64_t total = 0;
        for (const AnalyzedStop& stop : strip) total += stop.weight;  // at most 1000 x 2^31
        if (__builtin_mul_overflow(product, total, &product)) return false;
    }
    attempts = product;
    return true;
}

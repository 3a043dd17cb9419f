// The payout report of a machine from its counts: its shape, how often each pay-table
// row hits, how often a spin wins, what was bet and won, and the return percentage;
// then a sentence for each pay line left uncounted and, when scriptlet payouts hit, how
// often (their amounts are known only to the running machine, so Won leaves them out).
#pragma once
#include <string>

#include "AnalyzedMachine.h"
#include "PayoutCounts.h"

std::string WritePayoutReport(const AnalyzedMachine& machine, const PayoutCounts& counts);

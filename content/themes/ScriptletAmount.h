// What a payout that a machine's script computes pays for a bet: the payout's expression
// evaluated by the platform's JScript engine over the machine's code, with a "machine"
// whose "Bet" is the bet's coins, so that the award card can show the amount.
#pragma once
#include <cstdint>
#include <string>

namespace content {

// Throws std::runtime_error when the engine cannot be had or the expression yields no
// whole number (it reads more of the machine than its bet, or the code has an error).
int32_t ScriptletAmount(const std::string& code, const std::string& expression, int32_t coins, int32_t maxBet);

}  // namespace content

// Random small machine scripts for comparing counts: 2 to 4 reels of a few stops with
// random symbols and weights (some 0), 1 to 5 pay lines, maximum bets of 1 to 4, and pay
// tables of every line and payout kind: all, any-count, per reel with names, any, lists
// and "any but" lists, BothWays, whole and per-bet payouts, amounts and scriptlets, a
// wild symbol and every payout mode.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class RandomMachineScripts {
public:
    explicit RandomMachineScripts(uint32_t seed) : rng_(seed) {}
    std::string Make();

private:
    int Next(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Next(0, 99) < percent; }
    const std::string& Shown();  // a symbol that stands on some strip
    std::string Strips();
    std::string PayoutSection();
    std::string Pattern();
    std::string Item();
    std::string Payouts();
    std::string Payout();

    std::mt19937 rng_;
    int reels_ = 0, maxBet_ = 0;
    std::vector<std::string> shown_;
};

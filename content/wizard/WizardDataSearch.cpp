#include "WizardDataSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "PayCategory.h"
#include "PayScale.h"
#include "WizardPayout.h"

namespace {

using Stops = std::array<int, kSymbolSlots>;
using Pays = std::array<int, kPayCategories>;

const int kJackpots[] = {5000, 2500, 1000, 500};

// The lines of slots that pay something under one key, each with the set of categories
// it matches (as an index into `masks`).
struct KeyLines {
    PayChoices choices;
    int64_t combinations = 0;  // 26 to the power of the reel count
    std::vector<uint32_t> masks;
    std::vector<std::array<uint8_t, 4>> lines;
    std::vector<int> maskOf;

    explicit KeyLines(unsigned key) : choices(PayChoices::FromKey(key))
    {
        combinations = 1;
        for (int reel = 0; reel < choices.reels; ++reel)
            combinations *= kStopsPerReel;
        int slots[4] = {0, 0, 0, 0};
        for (;;) {
            Add(slots, MatchedCategories(choices, slots));
            int reel = 0;
            while (reel < choices.reels && ++slots[reel] == kSymbolSlots)
                slots[reel++] = 0;
            if (reel == choices.reels)
                break;
        }
    }

    void Add(const int* slots, uint32_t mask)
    {
        if (mask == 0)
            return;
        auto found = std::find(masks.begin(), masks.end(), mask);
        if (found == masks.end())
            found = masks.insert(masks.end(), mask);
        std::array<uint8_t, 4> line{};
        for (int reel = 0; reel < choices.reels; ++reel)
            line[reel] = static_cast<uint8_t>(slots[reel]);
        lines.push_back(line);
        maskOf.push_back(static_cast<int>(found - masks.begin()));
    }
};

// A stop configuration with the number of stop combinations that match each mask.
struct Candidate {
    Stops stops{};
    std::vector<int64_t> counts;
    int64_t hits = 0;
};

Candidate Count(const KeyLines& key, const Stops& stops)
{
    Candidate candidate;
    candidate.stops = stops;
    candidate.counts.assign(key.masks.size(), 0);
    for (std::size_t i = 0; i < key.lines.size(); ++i) {
        int64_t weight = 1;
        for (int reel = 0; reel < key.choices.reels; ++reel)
            weight *= stops[key.lines[i][reel]];
        candidate.counts[key.maskOf[i]] += weight;
    }
    for (int64_t count : candidate.counts)
        candidate.hits += count;
    return candidate;
}

bool SpoilerStopsAllowed(const PayChoices& choices, int spoiler)
{
    if (choices.spoiler)
        return spoiler >= 1 && spoiler <= 16;
    return spoiler == 0 || spoiler == 13;
}

std::vector<Candidate> Candidates(const KeyLines& key)
{
    std::vector<Candidate> all;
    const int cherryLeast = key.choices.cherry ? 1 : 0, cherryMost = key.choices.cherry ? 5 : 0;
    Stops s{};
    for (s[0] = 1; s[0] <= 3; ++s[0])
        for (s[1] = s[0]; s[0] + 4 * s[1] <= 26; ++s[1])
            for (s[2] = s[1]; s[0] + s[1] + 3 * s[2] <= 26; ++s[2])
                for (s[3] = s[2]; s[0] + s[1] + s[2] + 2 * s[3] <= 26; ++s[3])
                    for (s[4] = s[3]; s[0] + s[1] + s[2] + s[3] + s[4] <= 26; ++s[4])
                        for (s[5] = cherryLeast; s[5] <= cherryMost; ++s[5]) {
                            s[6] = 26 - s[0] - s[1] - s[2] - s[3] - s[4] - s[5];
                            if (s[6] >= 0 && SpoilerStopsAllowed(key.choices, s[6]))
                                all.push_back(Count(key, s));
                        }
    std::stable_sort(all.begin(), all.end(),
                     [](const Candidate& a, const Candidate& b) { return a.hits > b.hits; });
    return all;
}

// Coins paid over all stop combinations, one coin bet.
int64_t CoinsPaid(const KeyLines& key, const Candidate& candidate, const Pays& pays)
{
    double pay[kPayCategories];
    for (int k = 0; k < kPayCategories; ++k)
        pay[k] = pays[k];
    int64_t coins = 0;
    for (std::size_t m = 0; m < key.masks.size(); ++m) {
        const int category = WinningCategory(key.masks[m], pay);
        const int amount = category == kWildGroupLine ? pays[kGroupLine] : pays[category];
        coins += candidate.counts[m] * amount;
    }
    return coins;
}

struct Fit {
    Pays pays{};
    double exact = 0;     // the return
    double distance = 1e9;  // from the band's middle, or beyond the band when outside
};

struct Band {
    double low, high;
    double Middle() const { return (low + high) / 2; }
    bool Holds(double r) const { return r >= low && r <= high; }
    double Miss(double r) const { return r < low ? low - r : r > high ? r - high : 0; }
};

double Return(const KeyLines& key, const Candidate& candidate, const Pays& pays)
{
    return static_cast<double>(CoinsPaid(key, candidate, pays)) / key.combinations;
}

// The payouts of the largest jackpot that takes at most a quarter of the band's bottom,
// scaled so that the return comes nearest the band's middle from either side.
Fit FitPays(const KeyLines& key, const Candidate& candidate, const Band& band, double leastScale)
{
    Fit best;
    // The jackpot's stops to the power of the reels, multiplied out: exact, on every runtime.
    double jackpotStops = 1;
    for (int reel = 0; reel < key.choices.reels; ++reel) jackpotStops *= candidate.stops[0];
    const double jackpotChance = jackpotStops / key.combinations;
    int jackpot = 0;
    for (int value : kJackpots)
        if (value * jackpotChance <= 0.25 * band.low) {
            jackpot = value;
            break;
        }
    if (jackpot == 0)
        return best;
    auto at = [&](double scale) { return ScaledPays(key.choices, jackpot, scale); };
    double below = leastScale, above = (jackpot - 1) / 25.0;
    if (Return(key, candidate, at(below)) > band.high || Return(key, candidate, at(above)) < band.low)
        return best;
    for (int step = 0; step < 40; ++step) {
        const double scale = (below + above) / 2;
        (Return(key, candidate, at(scale)) < band.Middle() ? below : above) = scale;
    }
    for (double scale : {below, above}) {
        const Pays pays = at(scale);
        const double r = Return(key, candidate, pays);
        const double distance = band.Holds(r) ? std::fabs(r - band.Middle()) : 1 + band.Miss(r);
        if (distance < best.distance)
            best = Fit{pays, r, distance};
    }
    return best;
}

WizardTableEntry MakeEntry(const PayChoices& choices, const Stops& stops, const Pays& pays,
                           double exact)
{
    WizardPayout payout;
    payout.SetChoices(choices);
    for (int i = 0; i < kSymbolSlots; ++i)
        payout.stops[i] = stops[i];
    for (int k = 0; k < kPayCategories; ++k)
        payout.pay[k] = pays[k];
    payout.ComputeProbabilities();
    payout.ComputeTotals();
    if (std::fabs(payout.total - exact) > 1e-9)
        throw std::logic_error("wizard data: the payout mathematics disagrees with the count");

    WizardTableEntry entry;
    for (int i = 0; i < kSymbolSlots; ++i)
        entry.stops[i] = static_cast<uint8_t>(stops[i]);
    for (int k = 0; k < kPayCategories; ++k)
        entry.payouts[k] = static_cast<float>(pays[k]);
    entry.merit = static_cast<float>(payout.probSum);
    entry.expectedReturn = static_cast<float>(payout.total);
    return entry;
}

// The candidate with the most hits that fits the band with payouts of a fair spread
// (scale 2 or more), else with any payouts; else the one that comes closest.
SearchedEntry SearchLevel(const KeyLines& key, const std::vector<Candidate>& candidates,
                          unsigned level)
{
    const PayoutBand percent = GetPayoutBand(level);
    const Band band{percent.lowPercent * 0.01, percent.highPercent * 0.01};
    const Candidate* closest = nullptr;
    Fit closestFit;
    for (double leastScale : {2.0, 0.0})
        for (const Candidate& candidate : candidates) {
            const Fit fit = FitPays(key, candidate, band, leastScale);
            if (fit.distance < 1)
                return {MakeEntry(key.choices, candidate.stops, fit.pays, fit.exact), true};
            if (fit.distance < closestFit.distance) {
                closest = &candidate;
                closestFit = fit;
            }
        }
    if (closest == nullptr)
        return {};
    return {MakeEntry(key.choices, closest->stops, closestFit.pays, closestFit.exact), false};
}

}  // namespace

std::vector<SearchedEntry> SearchKey(unsigned key)
{
    const KeyLines lines(key);
    const std::vector<Candidate> candidates = Candidates(lines);
    std::vector<SearchedEntry> levels;
    for (unsigned level = 0; level < 4; ++level)
        levels.push_back(SearchLevel(lines, candidates, level));
    return levels;
}

std::vector<uint8_t> BuildWizardTable(std::vector<int>* misses)
{
    std::vector<uint8_t> file(4 + kWizardTableBytes, 0);
    for (int i = 0; i < 4; ++i)
        file[i] = static_cast<uint8_t>(kWizardTableMagic >> (8 * i));
    for (unsigned key = 0; key < kPayKeys; ++key) {
        if (!PayChoices::IsReachable(key))
            continue;  // zero counts and a return of 0: refused at every level
        const std::vector<SearchedEntry> levels = SearchKey(key);
        for (unsigned level = 0; level < 4; ++level) {
            const int index = static_cast<int>(level + 4 * key);
            levels[level].entry.Encode(file.data() + 4 + WizardTableEntry::kBytes * index);
            if (!levels[level].inBand && misses != nullptr)
                misses->push_back(index);
        }
    }
    return file;
}

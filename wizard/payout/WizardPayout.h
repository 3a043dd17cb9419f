// The wizard's payout state: the wizard data file as read, the payout level with its
// bounds, the choices that select an entry, the entry's stop counts and payouts, and the
// hit probability and return of each pay category. The wizard document carries it; it
// needs no platform.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "PayCategory.h"
#include "PayChoices.h"
#include "WizardTableEntry.h"

class WizardPayout {
public:
    WizardPayout();

    // Reads the wizard data file; false (and nothing changed) when it cannot be opened,
    // its magic is wrong or its entries are short. Bytes after the entries are ignored.
    bool LoadTable(const std::string& path);

    // Sets the payout level (0 Low, 1 Medium, 2 High, 3 Fun) and its bounds.
    void SetPayoutLevel(unsigned level);

    // Brings the groups-in-force flag up to date and answers the entry's index: the
    // payout level plus 4 times the 9-bit key of the choices.
    int TableIndex();

    // Copies the current entry into the payout state and answers whether its expected
    // return lies within the level's bounds widened by 0.02 on each side.
    bool LookupStops();

    // The hit probability of every pay category from the stop counts and the choices.
    void ComputeProbabilities();

    // Sums the probabilities into the hit frequency and pay times probability into the
    // returns and the total (the expected return per coin of one pay line).
    void ComputeTotals();

    // The debug report of the payout state.
    std::string PayoutReport() const;

    // The choices of the table key as the fields stand, and the fields set from choices
    // (groups enabled when there are members).
    PayChoices Choices() const;
    void SetChoices(const PayChoices& choices);

    // Whether a stored return passes the acceptance test of the current level.
    bool IsAcceptable(float expectedReturn) const;

    // The table as read: magic and entries exactly as they stand in the file.
    uint32_t magic = 0;
    std::vector<uint8_t> table;

    unsigned payoutLevel = 2;
    double lowBound = 0, highBound = 0, boundScale = 0;  // scale = 1 / (high - low)
    unsigned reelCount = 3;
    unsigned payLines = 5;
    unsigned stopsPerReel = kStopsPerReel;

    std::array<double, kSymbolSlots> stops{};
    std::array<double, kPayCategories> pay{};
    std::array<double, kPayCategories> prob{};
    std::array<double, kPayCategories> ret{};
    double probSum = 0;
    double merit = 0;
    double total = 0;

    std::array<uint8_t, 5> groupMembers{};  // slots 0-4
    bool wild = false;
    bool groupsEnabled = true;
    bool groupsInForce = false;
    bool cherry = true;
    bool spoiler = true;
    std::string groupName;

private:
    void UpdateGroupsInForce();
    void ComputeWithoutWild();
    void ComputeWithWild();
    void ComputeCherries();
};

// The bounds of the payout levels, in percent.
struct PayoutBand {
    int lowPercent;
    int highPercent;
};
PayoutBand GetPayoutBand(unsigned level);

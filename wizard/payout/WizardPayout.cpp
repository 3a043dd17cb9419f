#include "WizardPayout.h"

#include <cstdio>
#include <sstream>

namespace {

const PayoutBand kBands[] = {{72, 80}, {85, 90}, {95, 98}, {115, 125}};

constexpr double kTolerance = 0.02;
constexpr double kStopChance = 1.0 / kStopsPerReel;

// x to the power of a small count, by multiplication (exact for whole stop counts).
double Power(double x, unsigned count)
{
    double result = 1;
    for (unsigned i = 0; i < count; ++i)
        result *= x;
    return result;
}

}  // namespace

PayoutBand GetPayoutBand(unsigned level)
{
    return kBands[level < 4 ? level : 2];
}

WizardPayout::WizardPayout()
{
    pay[kGroupLine] = 1;
    groupMembers = {0, 0, 1, 1, 1};
    UpdateGroupsInForce();
    SetPayoutLevel(2);
}

bool WizardPayout::LoadTable(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    uint8_t magicBytes[4];
    std::vector<uint8_t> entries(kWizardTableBytes);
    const bool read = std::fread(magicBytes, 1, 4, file) == 4 &&
                      std::fread(entries.data(), 1, entries.size(), file) == entries.size();
    std::fclose(file);
    const uint32_t fileMagic = static_cast<uint32_t>(magicBytes[0]) |
                               static_cast<uint32_t>(magicBytes[1]) << 8 |
                               static_cast<uint32_t>(magicBytes[2]) << 16 |
                               static_cast<uint32_t>(magicBytes[3]) << 24;
    if (!read || fileMagic != kWizardTableMagic)
        return false;
    magic = fileMagic;
    table.swap(entries);
    return true;
}

void WizardPayout::SetPayoutLevel(unsigned level)
{
    const PayoutBand band = GetPayoutBand(level);
    payoutLevel = level < 4 ? level : 2;
    lowBound = band.lowPercent * 0.01;
    highBound = band.highPercent * 0.01;
    boundScale = 1.0 / (highBound - lowBound);
}

void WizardPayout::UpdateGroupsInForce()
{
    int members = 0;
    for (uint8_t member : groupMembers)
        members += member ? 1 : 0;
    groupsInForce = groupsEnabled && members > 1;
}

PayChoices WizardPayout::Choices() const
{
    PayChoices choices;
    choices.reels = static_cast<int>(reelCount);
    choices.members = 0;
    if (groupsInForce)
        for (int slot = 0; slot < 5; ++slot)
            if (groupMembers[slot])
                choices.members |= static_cast<uint8_t>(1u << slot);
    choices.wild = wild;
    choices.cherry = cherry;
    choices.spoiler = spoiler;
    return choices;
}

void WizardPayout::SetChoices(const PayChoices& choices)
{
    reelCount = static_cast<unsigned>(choices.reels);
    wild = choices.wild;
    cherry = choices.cherry;
    spoiler = choices.spoiler;
    groupsEnabled = choices.members != 0;
    for (int slot = 0; slot < 5; ++slot)
        groupMembers[slot] = choices.members >> slot & 1;
    UpdateGroupsInForce();
}

int WizardPayout::TableIndex()
{
    UpdateGroupsInForce();
    return static_cast<int>(payoutLevel + 4 * Choices().Key());
}

bool WizardPayout::IsAcceptable(float expectedReturn) const
{
    // The stored return is a 32-bit float: the bounds are taken at that precision, so
    // that an entry stored at a bound is within it.
    const float low = static_cast<float>(lowBound - kTolerance);
    const float high = static_cast<float>(highBound + kTolerance);
    return low <= expectedReturn && expectedReturn <= high;
}

bool WizardPayout::LookupStops()
{
    const int index = TableIndex();
    if (table.size() < kWizardTableBytes)
        return false;
    const WizardTableEntry entry =
        WizardTableEntry::Decode(table.data() + WizardTableEntry::kBytes * index);
    for (int i = 0; i < kSymbolSlots; ++i)
        stops[i] = entry.stops[i];
    for (int k = 0; k < kPayCategories; ++k)
        pay[k] = entry.payouts[k];
    merit = entry.merit;
    total = entry.expectedReturn;
    return IsAcceptable(entry.expectedReturn);
}

void WizardPayout::ComputeProbabilities()
{
    total = 0;
    prob.fill(0);
    UpdateGroupsInForce();
    if (wild)
        ComputeWithWild();
    else
        ComputeWithoutWild();
}

void WizardPayout::ComputeWithoutWild()
{
    const unsigned n = reelCount;
    const double P = Power(kStopChance, n);
    for (int i = 0; i < 5; ++i)
        prob[i] = Power(stops[i], n) * P;
    if (groupsInForce) {
        double G = 0, own = 0;
        for (int i = 0; i < 5; ++i)
            if (groupMembers[i]) {
                G += stops[i];
                own += Power(stops[i], n);
            }
        prob[kGroupLine] = (Power(G, n) - own) * P;
    }
    if (cherry)
        ComputeCherries();
}

// Exclusive bands of cherries counted from a side: each is the wider band less the next
// narrower one.
void WizardPayout::ComputeCherries()
{
    const double q = stops[5] * kStopChance;
    const double A1 = 2 * q - q * q;
    const double A3 = A1 * q * q;
    if (reelCount == 3) {
        prob[kThreeCherries] = q * q * q;
        prob[kTwoCherries] = q * A1 - q * q * q;
        prob[kOneCherry] = A1 - q * A1;
        return;
    }
    const double q4 = q * q * q * q;
    const double A2 = 2 * q * q - q4;
    prob[kFourCherries] = q4;
    prob[kThreeCherries] = A3 - q4;
    prob[kTwoCherries] = A2 - A3;
    prob[kOneCherry] = A1 - A2;
}

// With a wild symbol the lines of the machine overlap (a wild line is also a cherry line
// and completes full and group lines), and the machine pays the highest of them. Every
// line of symbol slots is judged as the machine judges it and weighted by its stops.
void WizardPayout::ComputeWithWild()
{
    const PayChoices choices = Choices();
    const int n = static_cast<int>(reelCount);
    const double P = Power(kStopChance, reelCount);
    int slots[4] = {0, 0, 0, 0};
    for (;;) {
        double weight = P;
        for (int reel = 0; reel < n; ++reel)
            weight *= stops[slots[reel]];
        if (weight > 0) {
            const int category = WinningCategory(MatchedCategories(choices, slots), pay.data());
            if (category >= 0)
                prob[category] += weight;
        }
        int reel = 0;
        while (reel < n && ++slots[reel] == kSymbolSlots)
            slots[reel++] = 0;
        if (reel == n)
            break;
    }
}

void WizardPayout::ComputeTotals()
{
    probSum = 0;
    total = 0;
    for (int k = 0; k < kPayCategories; ++k) {
        probSum += prob[k];
        ret[k] = pay[k] * prob[k];
        total += ret[k];
    }
}

std::string WizardPayout::PayoutReport() const
{
    std::ostringstream out;
    out << "total payout =" << total << "\n";
    out << "coin returned per 1 coin =" << probSum << "\n";
    out << "heristic" << merit << "\n";
    for (int k = 0; k < kPayCategories; ++k)
        out << "Payout #" << k << " = " << pay[k] << " rets " << ret[k] << " on " << prob[k]
            << "\n";
    for (int i = 0; i < kSymbolSlots; ++i)
        out << "Symbol #" << i << " stops " << stops[i] << "\n";
    return out.str();
}

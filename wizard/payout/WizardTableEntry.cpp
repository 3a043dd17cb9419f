#include "WizardTableEntry.h"

#include <cstring>

namespace {

float ReadFloat(const uint8_t* at)
{
    const uint32_t bits = static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
                          static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void WriteFloat(uint8_t* at, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

constexpr std::size_t kPayoutsAt = kSymbolSlots;
constexpr std::size_t kMeritAt = kPayoutsAt + 4 * kPayCategories;
constexpr std::size_t kReturnAt = kMeritAt + 4;
static_assert(kReturnAt + 4 == WizardTableEntry::kBytes, "entry layout");

}  // namespace

WizardTableEntry WizardTableEntry::Decode(const uint8_t* bytes)
{
    WizardTableEntry entry;
    for (int i = 0; i < kSymbolSlots; ++i)
        entry.stops[i] = bytes[i];
    for (int k = 0; k < kPayCategories; ++k)
        entry.payouts[k] = ReadFloat(bytes + kPayoutsAt + 4 * k);
    entry.merit = ReadFloat(bytes + kMeritAt);
    entry.expectedReturn = ReadFloat(bytes + kReturnAt);
    return entry;
}

void WizardTableEntry::Encode(uint8_t* bytes) const
{
    for (int i = 0; i < kSymbolSlots; ++i)
        bytes[i] = stops[i];
    for (int k = 0; k < kPayCategories; ++k)
        WriteFloat(bytes + kPayoutsAt + 4 * k, payouts[k]);
    WriteFloat(bytes + kMeritAt, merit);
    WriteFloat(bytes + kReturnAt, expectedReturn);
}

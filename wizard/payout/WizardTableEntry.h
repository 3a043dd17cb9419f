// One entry of the wizard data file: a reel configuration for one payout level and one
// combination of the user's choices, and the file's fixed layout around the entries.
//
// On disk (little-endian, packed, 59 bytes): 7 stop counts (u8), 11 payouts (f32), the
// merit (f32) and the expected return (f32). The file is the 32-bit magic followed by
// the 2048 entries.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kSymbolSlots = 7;     // jackpot, four paying symbols, cherry, spoiler
constexpr int kPayCategories = 11;  // see PayCategory.h
constexpr int kStopsPerReel = 26;

struct WizardTableEntry {
    std::array<uint8_t, kSymbolSlots> stops{};     // stops each slot occupies on every reel
    std::array<float, kPayCategories> payouts{};   // coins per coin bet, per category
    float merit = 0;                               // the search's figure of the entry
    float expectedReturn = 0;                      // fraction of the bet returned

    static constexpr std::size_t kBytes = 59;

    // Reads and writes the packed little-endian form at `bytes`.
    static WizardTableEntry Decode(const uint8_t* bytes);
    void Encode(uint8_t* bytes) const;
};

constexpr uint32_t kWizardTableMagic = 0x8162A377;
constexpr int kWizardTableEntries = 2048;
constexpr std::size_t kWizardTableBytes = WizardTableEntry::kBytes * kWizardTableEntries;

// The reel strips of a wizard machine: every reel carries each symbol slot on as many of
// its 26 stops as the wizard data's entry gives, spread evenly from a random start; a
// machine whose spoiler stops are shown as blanks has the "Blank" symbol on every even
// stop. The generator is seeded with 10 each time, so one document gives one set of strips.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "WizardPayout.h"

constexpr int kBlankSlot = 7;   // "Blank": on the strips only
constexpr int kFreeStop = -1;

using ReelStrip = std::array<int, kStopsPerReel>;

// The spoiler's stops are written as blanks on the even stops: the machine has spoiler
// stops but no spoiler symbol, or more spoiler stops than the 13 blanks.
bool HasBlankFilling(const WizardPayout& payout);

// The slots in the order they are placed: by stop count (a stable sort), then taken
// alternately from the heaviest and the lightest end.
std::array<int, kSymbolSlots> PlacementOrder(const std::array<double, kSymbolSlots>& stops);

// The strips of `reels` reels; false with `error` set when the stop counts (blanks
// included) do not fill the 26 stops of a reel exactly.
bool LayOutReelStrips(const WizardPayout& payout, int reels, std::vector<ReelStrip>& strips,
                      std::string& error);

// Where a money display puts its thousands separators. A display shows cents in its cells
// and a separator between each group of three dollar digits; the separators must appear
// exactly where FormatMoney puts its "," into the same amount.
#pragma once
#include <cstdint>

// The number of "," FormatMoney writes into the dollars of the amount (either sign).
int MoneySeparatorCount(int32_t cents);

// Whether separator k (0 = the one nearest the cents) shows for the amount.
inline bool IsMoneySeparatorShown(int32_t cents, int k) { return k >= 0 && k < MoneySeparatorCount(cents); }

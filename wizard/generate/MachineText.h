// The first half of a wizard machine's script: the reels with their strips, the
// denominations, the pay lines, the maximum bet and the payout table.
#pragma once
#include <ostream>
#include <string>

#include "WizardChoices.h"

// The symbol names of the slots 0-7 as the script names them.
const char* SlotSymbolName(int slot);

// A payout in whole coins: the value with a tenth added, rounded down.
int WholeCoins(double value);

// The maximum bet of a machine with that many pay lines.
int MaxBetForLines(unsigned payLines);

// Writes the first half; false with the document's error text set when the stop counts
// cannot be placed on the reels (nothing is written then).
bool GenerateMachineText(WizardChoices& document, std::ostream& out);

// The payout list of an ordinary line: "*" and the multiplier on a one-line machine,
// else the whole coins once per pay line with a line end.
std::string PayoutText(unsigned payLines, double value);

// The payout list of the jackpot line: on a one-line machine the amounts for one to five
// coins (the full jackpot only on five), else the jackpot scriptlet once per pay line.
std::string JackpotPayoutText(unsigned payLines, double jackpot);

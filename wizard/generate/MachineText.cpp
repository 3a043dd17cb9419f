#include "MachineText.h"

#include <cmath>
#include <sstream>
#include <vector>

#include "ReelStripLayout.h"

namespace {

const char* const kSymbolNames[] = {"Sym0", "Sym1", "Sym2", "Sym3", "Sym4", "Cherry", "Spoiler", "Blank"};

void WriteReels(std::ostream& out, const std::vector<ReelStrip>& strips)
{
    out << "Reels " << strips.size() << " " << kStopsPerReel << "{\n";
    for (const ReelStrip& strip : strips) {
        out << "Reel\n    {\n";
        for (int slot : strip)
            out << "        " << SlotSymbolName(slot) << "    1\n";
        out << "    }\n";
    }
    out << "}\n";
}

void WriteHeader(std::ostream& out, const WizardChoices& document)
{
    out << "Denominations\n{\n  .25, 1, 5, 25, 100\n}\n";
    out << "PayLines " << document.payLines << "\n";
    out << "MaxBet " << MaxBetForLines(document.payLines) << "\n";
}

// A line for every mix of group members on the reels that is not all one symbol, the
// first reel's member changing fastest.
void WriteGroupLines(std::ostream& out, const WizardChoices& document)
{
    std::vector<int> members;
    for (int slot = 0; slot < 5; ++slot)
        if (document.groupMembers[slot])
            members.push_back(slot);
    if (!document.groupsEnabled || members.size() < 2)
        return;
    const int reels = static_cast<int>(document.reelCount);
    const int g = static_cast<int>(members.size());
    std::vector<int> digits(reels, 0);
    for (;;) {
        bool allEqual = true;
        for (int r = 1; r < reels; ++r)
            allEqual = allEqual && digits[r] == digits[0];
        if (!allEqual) {
            for (int r = 0; r < reels; ++r)
                out << "Sym" << members[digits[r]] << " ";
            out << PayoutText(document.payLines, document.pay[5]) << "\n";
        }
        int r = 0;
        while (r < reels && ++digits[r] == g)
            digits[r++] = 0;
        if (r == reels)
            return;
    }
}

void WriteCherryLines(std::ostream& out, const WizardChoices& document)
{
    if (!document.cherry)
        return;
    const unsigned lines = document.payLines;
    const auto& pay = document.pay;
    if (document.reelCount == 4) {
        out << "BothWays Cherry    any    any any " << PayoutText(lines, pay[9]) << "\n";
        out << "BothWays Cherry Cherry    any any " << PayoutText(lines, pay[8]) << "\n";
        out << "BothWays Cherry Cherry Cherry any " << PayoutText(lines, pay[7]) << "\n";
        out << "all Cherry" << std::string(24, ' ') << PayoutText(lines, pay[6]) << "\n";
        return;
    }
    out << "BothWays Cherry any    any " << PayoutText(lines, pay[9]) << "\n";
    out << "BothWays Cherry Cherry any " << PayoutText(lines, pay[8]) << "\n";
    out << "all Cherry" << std::string(17, ' ') << PayoutText(lines, pay[7]) << "\n";
}

void WritePayouts(std::ostream& out, const WizardChoices& document)
{
    out << "Payouts HighestValue\n";
    if (document.wild)
        out << "Joker Sym0\n";
    out << "{\n";
    out << "all Sym0     " << JackpotPayoutText(document.payLines, document.pay[0]) << "\n";
    for (int i = 1; i <= 4; ++i)
        out << "all Sym" << i << "     " << PayoutText(document.payLines, document.pay[i]) << "\n";
    WriteGroupLines(out, document);
    WriteCherryLines(out, document);
    out << "}\n";
}

}  // namespace

const char* SlotSymbolName(int slot)
{
    return slot >= 0 && slot <= kBlankSlot ? kSymbolNames[slot] : "";
}

int WholeCoins(double value)
{
    return static_cast<int>(std::floor(value + 0.1));
}

int MaxBetForLines(unsigned payLines)
{
    return payLines == 3 ? 3 : 5;
}

bool GenerateMachineText(WizardChoices& document, std::ostream& out)
{
    std::vector<ReelStrip> strips;
    if (!LayOutReelStrips(document, static_cast<int>(document.reelCount), strips, document.errorText))
        return false;
    WriteReels(out, strips);
    WriteHeader(out, document);
    WritePayouts(out, document);
    return true;
}

std::string PayoutText(unsigned payLines, double value)
{
    std::ostringstream text;
    if (payLines == 1) {
        text << "*" << value;
        return text.str();
    }
    const int coins = static_cast<int>(value);
    for (unsigned i = 0; i < payLines; ++i)
        text << (i ? ", " : "") << coins;
    text << "\n";
    return text.str();
}

std::string JackpotPayoutText(unsigned payLines, double jackpot)
{
    std::ostringstream text;
    if (payLines == 1) {
        for (int k = 1; k <= 4; ++k)
            text << WholeCoins(0.8 * k * jackpot) << ", ";
        text << WholeCoins(5 * jackpot) << "\n";
        return text.str();
    }
    for (unsigned i = 0; i < payLines; ++i)
        text << (i ? ", " : "") << "\"JackpotPayout()\"";
    text << "\n";
    return text.str();
}

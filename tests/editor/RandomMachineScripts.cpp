#include "RandomMachineScripts.h"

#include <algorithm>

#include "CompileHelpers.h"

namespace {
const char* const kSymbols[] = {"Bar", "Bell", "Cherry", "Plum", "Seven"};
const char* const kModes[] = {"BestMatch", "HighestValue", "AllMatches"};
const int kPayLines[] = {1, 1, 2, 3, 3, 4, 5, 5};
}  // namespace

std::string RandomMachineScripts::Make() {
    reels_ = Next(2, 4);
    maxBet_ = Next(1, 4);
    shown_.clear();
    std::string text = "Title \"Random\"\n" + Strips();
    text += "PayLines " + std::to_string(kPayLines[Next(0, 7)]) + "\nMaxBet " +
            std::to_string(maxBet_) + "\n" + PayoutSection();
    return text + PlayableArt(shown_) + "function Bonus() { return 7; }\n";
}

const std::string& RandomMachineScripts::Shown() {
    return shown_[static_cast<size_t>(Next(0, static_cast<int>(shown_.size()) - 1))];
}

std::string RandomMachineScripts::Strips() {
    const int stops = Next(2, 6);
    const int symbols = Next(1, 5);
    std::string text = "Reels " + std::to_string(reels_) + " " + std::to_string(stops) + "\n{\n";
    for (int reel = 0; reel < reels_; ++reel) {
        text += "    Reel {";
        for (int stop = 0; stop < stops; ++stop) {
            const std::string symbol = kSymbols[Next(0, symbols - 1)];
            if (std::find(shown_.begin(), shown_.end(), symbol) == shown_.end())
                shown_.push_back(symbol);
            text += " " + symbol;
            if (Chance(50)) text += " " + std::to_string(Chance(10) ? 0 : Next(1, 4));
        }
        text += " }\n";
    }
    return text + "}\n";
}

std::string RandomMachineScripts::PayoutSection() {
    std::string text = std::string("Payouts ") + kModes[Next(0, 2)] + "\n";
    if (Chance(40)) text += "Joker " + Shown() + "\n";
    text += "{\n";
    for (int lines = Next(1, 5); lines > 0; --lines) text += "    " + Pattern() + " " + Payouts() + "\n";
    return text + "}\n";
}

std::string RandomMachineScripts::Pattern() {
    const int form = Next(0, 9);
    if (form < 2) return "all " + Shown();
    if (form < 4) return "any " + (Chance(70) ? std::to_string(Next(1, reels_)) + " " : "") + Shown();
    std::string text = Chance(40) ? "BothWays" : "";
    for (int reel = 0; reel < reels_; ++reel) {
        const std::string item = Item();
        // A line that starts with a bare "any" is the any-count form.
        text += text.empty() && item == "any" ? " [any]" : " " + item;
    }
    return text;
}

std::string RandomMachineScripts::Item() {
    const int kind = Next(0, 9);
    if (kind < 4) return Shown();
    if (kind < 6) return "any";
    if (kind == 6) return "[any]";
    std::string text = kind == 9 ? "[^" : "[";
    for (int names = Next(1, 2); names > 0; --names) text += Shown() + (names > 1 ? "," : "");
    return text + "]";
}

std::string RandomMachineScripts::Payouts() {
    if (Chance(40)) return "* " + Payout();
    std::string text;
    for (int bet = 1; bet <= maxBet_; ++bet) text += (bet > 1 ? ", " : "") + Payout();
    return text;
}

std::string RandomMachineScripts::Payout() {
    return Chance(15) ? "\"Bonus()\"" : std::to_string(Next(0, 40));
}

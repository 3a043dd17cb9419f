#include "PayoutReport.h"

#include <sstream>

#include "PayLineRows.h"
#include "ReportNumber.h"

namespace {

// The sums over every row and line.
struct Totals {
    std::vector<double> rowWeights;
    double won = 0;
    int64_t scriptletHits = 0;
};

Totals AddUp(const AnalyzedMachine& machine, const PayoutCounts& counts) {
    Totals totals;
    totals.rowWeights.assign(counts.hits.size(), 0);
    for (size_t row = 0; row < counts.hits.size(); ++row) {
        for (int32_t line = 0; line < kJudgedLineLimit; ++line) {
            const int64_t hits = counts.hits[row][line];
            const PayTable::Payout payout = machine.payTable.GetPayout(
                static_cast<int32_t>(row), LineCoins(machine, line));
            totals.rowWeights[row] += static_cast<double>(hits);
            totals.won += static_cast<double>(hits) * payout.amount;
            if (payout.type == PayTable::Scriptlet) totals.scriptletHits += hits;
        }
    }
    return totals;
}

double Percent(double part, double whole) { return whole == 0 ? 0 : part * 100 / whole; }

void WriteNotes(std::ostringstream& out, const AnalyzedMachine& machine, const Totals& totals) {
    for (const std::string& note : SkippedLineNotes(machine)) out << note << "\n";
    if (totals.scriptletHits != 0)
        out << "Scriptlet payouts hit " << ReportCount(totals.scriptletHits)
            << " times; their amounts come from the machine's script and are not in Won.\n";
}

}  // namespace

std::string WritePayoutReport(const AnalyzedMachine& machine, const PayoutCounts& counts) {
    const Totals totals = AddUp(machine, counts);
    const double attempts = static_cast<double>(counts.attempts);
    const double spent = static_cast<double>(machine.maxBet) * attempts;
    double hitSum = 0;
    for (double weight : totals.rowWeights) hitSum += weight;

    std::ostringstream out;
    out << "Reels: " << ReportCount(machine.reelCount) << "\n"
        << "Pay Lines: " << ReportCount(machine.payLineCount) << "\n"
        << "Max Bet: " << ReportCount(machine.maxBet) << "\n"
        << "Reel Stops: " << ReportCount(machine.stopCount) << "\n";
    for (size_t row = 0; row < totals.rowWeights.size(); ++row)
        out << "payline " << ReportCount(static_cast<int64_t>(row)) << " weight "
            << ReportNumber(totals.rowWeights[row], 0) << "\n";
    out << "You win something " << ReportCount(counts.winningSpins) << " times out of "
        << ReportCount(counts.attempts) << " attempts.\n"
        << "So the win percentage is " << ReportNumber(Percent(hitSum, attempts), 2) << "\n"
        << "Spent: " << ReportNumber(spent, 0) << "\n"
        << "Won: " << ReportNumber(totals.won, 0) << "\n"
        << "Percentage: " << ReportNumber(Percent(totals.won, spent), 2) << "\n";
    WriteNotes(out, machine, totals);
    return out.str();
}

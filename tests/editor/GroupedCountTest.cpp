// The grouped count against the odometer that visits every combination of stops: on
// random small machines of every payout kind the two reports agree character for
// character.
#include <gtest/gtest.h>

#include "AnalyzerRuns.h"
#include "OdometerCount.h"
#include "PayoutReport.h"
#include "RandomMachineScripts.h"

namespace {

struct Variety {
    int wins = 0, scriptletHits = 0, skippedLines = 0, diagonalsPastThirdReel = 0;
};

void Note(Variety& seen, const AnalyzedMachine& machine, const std::string& report) {
    seen.wins += report.find("You win something 0 times") == std::string::npos;
    seen.scriptletHits += report.find("Scriptlet payouts hit") != std::string::npos;
    seen.skippedLines += report.find("is not counted") != std::string::npos;
    seen.diagonalsPastThirdReel += machine.payLineCount == 5 && machine.reelCount == 4;
}

}  // namespace

TEST(GroupedCount, ReportsWhatTheOdometerReportsOnRandomMachines) {
    Variety seen;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        RandomMachineScripts scripts(seed);
        const std::string text = scripts.Make();
        PayoutAnalyzer analyzer;
        const AnalyzerRun run = Analyze(analyzer, text);
        ASSERT_TRUE(run.analyzed) << text << run.messages;
        const AnalyzedMachine& machine = analyzer.GetAnalyzedMachine();
        ASSERT_EQ(run.messages, WritePayoutReport(machine, CountByOdometer(machine)))
            << "seed " << seed << "\n" << text;
        Note(seen, machine, run.messages);
    }
    // The machines were varied enough to mean something.
    EXPECT_GT(seen.wins, 200);
    EXPECT_GT(seen.scriptletHits, 10);
    EXPECT_GT(seen.skippedLines, 10);
    EXPECT_GT(seen.diagonalsPastThirdReel, 10);
}

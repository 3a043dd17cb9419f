// The rows each pay line reads, and the report's numbers.
#include <gtest/gtest.h>

#include "PayLineRows.h"
#include "ReportNumber.h"

namespace {

// Four reels of five stops; stop s of reel r shows the symbol 10 * r + s.
AnalyzedMachine Numbered(int32_t payLines, int32_t maxBet, int32_t reels = 4) {
    AnalyzedMachine machine;
    machine.reelCount = reels;
    machine.payLineCount = payLines;
    machine.stopCount = 5;
    machine.maxBet = maxBet;
    for (int32_t reel = 0; reel < reels; ++reel) {
        machine.strips.emplace_back();
        for (int32_t stop = 0; stop < 5; ++stop) machine.strips.back().push_back({10 * reel + stop, 1});
    }
    return machine;
}

std::vector<int32_t> Rows(const AnalyzedMachine& machine, std::vector<int32_t> stops, int32_t line) {
    std::vector<int32_t> symbols;
    FillRowSymbols(machine, symbols, stops, line);
    return symbols;
}

}  // namespace

TEST(PayLineRows, EachLineReadsItsRowsWrappingAroundTheStrip) {
    const AnalyzedMachine machine = Numbered(5, 5);
    const std::vector<int32_t> stops = {0, 2, 4, 1};
    EXPECT_EQ(Rows(machine, stops, 0), (std::vector<int32_t>{0, 12, 24, 31}));
    EXPECT_EQ(Rows(machine, stops, 1), (std::vector<int32_t>{4, 11, 23, 30}));
    EXPECT_EQ(Rows(machine, stops, 2), (std::vector<int32_t>{1, 13, 20, 32}));
    // The diagonals cross the first three reels; the fourth keeps line 2's row.
    EXPECT_EQ(Rows(machine, stops, 3), (std::vector<int32_t>{4, 12, 20, 32}));
    EXPECT_EQ(Rows(machine, stops, 4), (std::vector<int32_t>{1, 12, 23, 32}));
}

TEST(PayLineRows, DiagonalsOnTwoReelsStayInsideTheRow) {
    const AnalyzedMachine machine = Numbered(5, 5, 2);
    EXPECT_EQ(Rows(machine, {3, 3}, 3), (std::vector<int32_t>{2, 13}));
}

TEST(ReportNumber, GroupsOfThreeDigitsWithTheGivenDecimals) {
    EXPECT_EQ(ReportNumber(999.0, 0), "999");
    EXPECT_EQ(ReportNumber(1234567.891, 2), "1,234,567.89");
    EXPECT_EQ(ReportNumber(-123456.0, 1), "-123,456.0");
    EXPECT_EQ(ReportCount(INT64_MAX), "9,223,372,036,854,775,807");
}

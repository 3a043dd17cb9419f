// The symbols each pay line reads and the wins paid on it, against rows written out here.
#include <gtest/gtest.h>

#include "PlayFakes.h"

namespace {
// Row of each pay line on each reel, relative to the centre row: centre, above, below and
// the two diagonals.
const int kRows3[5][3] = {{0, 0, 0}, {-1, -1, -1}, {1, 1, 1}, {-1, 0, 1}, {1, 0, -1}};
const int kRows5[5][5] = {{0, 0, 0, 0, 0}, {-1, -1, -1, -1, -1}, {1, 1, 1, 1, 1}, {-1, 0, 1, 2, 3}, {1, 0, -1, -2, -3}};

int Wrap(int index, int count) { return ((index % count) + count) % count; }

void FinishSpin(TestMachine& m) {
    for (int reel = 0; reel < m.layout.ReelCount(); ++reel) m.spin.OnReelStopped(reel);
}
}  // namespace

TEST(PayLines, EveryLineReadsItsRowsOnThreeAndFiveReels) {
    for (int reels : {3, 5}) {
        // Symbol = stop number, so the symbol read names the strip entry.
        SpinLayout layout = MakeLayout(reels, 12, 12, 5);
        const std::vector<int32_t> drawn = reels == 3 ? std::vector<int32_t>{0, 5, 11}
                                                      : std::vector<int32_t>{0, 3, 6, 9, 11};
        // The planner turns drawn stops into target stops; the centre row shows the drawn stop.
        std::vector<ReelTarget> targets(reels);
        for (int r = 0; r < reels; ++r) targets[r].targetStop = drawn[r];
        PlanFullSpin(layout, targets, std::vector<bool>(reels, true), true);
        std::vector<int32_t> stops;
        for (const ReelTarget& t : targets) stops.push_back(t.targetStop);
        for (int line = 0; line < 5; ++line) {
            const std::vector<int32_t> read = layout.LineSymbols(line, stops);
            for (int r = 0; r < reels; ++r) {
                const int row = reels == 3 ? kRows3[line][r] : kRows5[line][r];
                EXPECT_EQ(Wrap(drawn[r] + row, 12), read[r]) << reels << " reels, line " << line << ", reel " << r;
            }
        }
    }
}

TEST(PayLines, TallerWindowsKeepTheDrawnStopOnTheCentreRow) {
    SpinLayout layout = MakeLayout(3, 9, 9, 1);
    layout.windowHeights = {50, 30, 10};  // five, three and one rows
    std::vector<ReelTarget> targets(3);
    for (ReelTarget& t : targets) t.targetStop = 4;
    PlanFullSpin(layout, targets, {true, true, true}, true);
    std::vector<int32_t> stops;
    for (const ReelTarget& t : targets) stops.push_back(t.targetStop);
    const std::vector<int32_t> centre = layout.LineSymbols(0, stops);
    EXPECT_EQ(4, centre[0]);  // the first reel's window sets the offset
    EXPECT_EQ(3, centre[1]);
    EXPECT_EQ(2, centre[2]);
}

TEST(PayLines, AWinOnEachLineIsPaidFromItsOwnColumnAndNoOther) {
    ScriptTable table;
    table.lines.push_back(AllOf(3, "S7", {Pays(10), Pays(20), Pays(30), Pays(40), Pays(50)}));
    for (int line = 0; line < 5; ++line) {
        TestMachine m(MakeLayout(3, 10, 10, 5), table, 10, 5, 100000);
        m.money.AddCoins(5);
        ASSERT_EQ(5, m.meters.Bet());
        for (int r = 0; r < 3; ++r) m.spin.SetReelStop(r, Wrap(7 - kRows3[line][r], 10));
        m.spin.StartSpin();
        FinishSpin(m);
        const int32_t win = 10 * (line + 1);
        ASSERT_EQ(1u, m.Script().payments.size()) << "line " << line;
        EXPECT_EQ((Payment{win, line + 1, 0}), m.Script().payments[0]);
        EXPECT_EQ(std::vector<int32_t>{win}, m.Script().totals);
        EXPECT_EQ(win, m.meters.WinnerPaid());
        EXPECT_EQ(win, m.meters.Credit());
        EXPECT_EQ(0, m.meters.Bet());
    }
}

TEST(PayLines, LinesArePlayedOneCoinEachAndAOneLineMachinePaysByTheBet) {
    ScriptTable table;
    table.lines.push_back(AllOf(3, "S0", {Pays(2), Pays(5), Pays(9)}));
    // Every reel all S0: every line wins.
    SpinLayout allZero = MakeLayout(3, 10, 1, 5);
    TestMachine five(allZero, table, 1, 5, 100000);
    five.money.AddCoins(3);
    five.spin.OnSpin();
    FinishSpin(five);
    EXPECT_EQ((std::vector<Payment>{{2, 1, 0}, {5, 2, 0}, {9, 3, 0}}), five.Script().payments);
    EXPECT_EQ(16, five.meters.Credit());

    TestMachine one(MakeLayout(3, 10, 1, 1), table, 1, 3, 100000);
    one.money.AddCoins(3);
    one.spin.OnSpin();
    FinishSpin(one);
    EXPECT_EQ((std::vector<Payment>{{9, 3, 0}}), one.Script().payments);
}

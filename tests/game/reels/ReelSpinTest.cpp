// Reels turning on the engine's frame thread: spins to chosen stops reported once each,
// in the order the reels arrive, with the strip's symbols in their rows on the screen;
// spins that start at their target, reverse spins, placing without a spin, the pay-line
// stop and the symbols around it, shadows, clicks, and 1000 spins without a leak or a
// stall.
#include <algorithm>
#include <cstring>

#include "ReelShadowLevels.h"
#include "ReelStage.h"
#include "ResourceCounts.h"

namespace {

class Reels : public ReelStage {};

TEST_F(Reels, SpinsStopAtTheirChosenStopsReportOnceInOrderAndShowTheStrip) {
    for (int reel = 0; reel < 3; ++reel) AddReel(reel);
    const int stops[3] = {5, 0, 7};
    for (int reel = 0; reel < 3; ++reel) reels_[size_t(reel)]->Spin(TargetFor(stops[reel], reel + 1));
    Pump(100);
    for (auto& reel : reels_) EXPECT_TRUE(reel->IsSpinning());
    EXPECT_EQ((std::vector<int>{0, 1, 2}), WaitForReports(3, 30000)) << "the reel going furthest stops last";
    EXPECT_TRUE(WaitForReports(1, 300).empty()) << "each stop is reported once";

    for (int reel = 0; reel < 3; ++reel) {
        const Reel& r = *reels_[size_t(reel)];
        EXPECT_FALSE(r.IsSpinning());
        ReelTarget at;
        r.GetPosition(at);
        EXPECT_EQ(TargetFor(stops[reel], reel + 1).targetPosition, at.currentPosition);
        EXPECT_EQ((stops[reel] + 2) % kSymbols, r.GetPaylineStop());
        for (int row = -1; row <= 1; ++row) {
            const uint32_t symbol = kStrip[(stops[reel] + 2 + row + kSymbols) % kSymbols];
            EXPECT_EQ(symbol, r.GetSymbolAt(row));
            EXPECT_EQ(Symbol(symbol), Row(reel, row)) << "reel " << reel << " row " << row;
        }
    }
    // Nothing of the strip shows outside the reels' windows.
    EXPECT_EQ(Shown{}, At(Left(0) + 20, kTop - 5));
    EXPECT_EQ(Shown{}, At(Left(0) + 20, kTop + kWindowHeight + 5));
    EXPECT_EQ(Shown{}, At(Left(0) + 50, kTop + 60));
}

TEST_F(Reels, ASpinAtItsTargetStillReportsAndAReverseSpinNeverPassesItsTarget) {
    Reel& reel = AddReel(0);
    reel.Spin(ReelTarget{});  // position 0, target 0
    EXPECT_EQ((std::vector<int>{0}), WaitForReports(1, 20000));

    ReelTarget start = TargetFor(2, 2);
    reel.PlaceAtStop(start);
    EXPECT_TRUE(WaitForReports(1, 200).empty()) << "placing reports nothing";
    EXPECT_EQ(Symbol(kStrip[4]), ShowsEventually(Left(0) + 20, kTop + 60, Symbol(kStrip[4])));

    ReelTarget back = TargetFor(6, 0);
    back.reverse = 1;
    reel.Spin(back);
    int lowest = INT32_MAX;
    for (const DWORD start = GetTickCount(); reel.GetMotion() != Reel::kIdle && GetTickCount() - start < 20000;) {
        ReelTarget at;
        reel.GetPosition(at);
        if (at.currentPosition < lowest) lowest = at.currentPosition;
        Sleep(5);
    }
    ReelTarget last;  // where it stopped, which the looks above may have missed
    reel.GetPosition(last);
    lowest = std::min(lowest, last.currentPosition);
    EXPECT_EQ((std::vector<int>{0}), WaitForReports(1, 20000));
    EXPECT_EQ(back.targetPosition, lowest);
    EXPECT_EQ(Symbol(kStrip[0]), ShowsEventually(Left(0) + 20, kTop + 60, Symbol(kStrip[0])));
}

TEST_F(Reels, SymbolsAroundThePayLineWrapRoundTheStrip) {
    Reel& reel = AddReel(0);
    reel.PlaceAtStop(TargetFor(7, 0));
    EXPECT_EQ(1, reel.GetPaylineStop());
    EXPECT_EQ(kStrip[1], reel.GetSymbolAt(0));
    EXPECT_EQ(reel.GetSymbolAt(0), reel.GetSymbolAt(-kSymbols));
    EXPECT_EQ(reel.GetSymbolAt(0), reel.GetSymbolAt(3 * kSymbols));
    EXPECT_EQ(kStrip[0], reel.GetSymbolAt(-1));
    EXPECT_EQ(kStrip[0], reel.GetSymbolAt(-1 - 2 * kSymbols));
    EXPECT_EQ(kStrip[2], reel.GetSymbolAt(1));

    reel.SetNextStop(4);
    EXPECT_EQ(100, reel.ChooseNextStop()) << "the owner's draw for reel 0";
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 4}}), setStops_);
    reel.OnClick(POINT{30, 50});
    EXPECT_EQ((std::vector<int>{0}), clicks_);
    EXPECT_TRUE(reel.GetShape()->HitTest(POINT{Left(0), kTop}));
    EXPECT_FALSE(reel.GetShape()->HitTest(POINT{Left(0) + kSymbolSize, kTop}));
}

TEST_F(Reels, ShadowsDarkenTheEdgesOnlyWithBothDensities) {
    Reel plain(Setup(0, 0, 200));
    EXPECT_EQ(nullptr, plain.GetShadow(true));
    EXPECT_EQ(nullptr, plain.GetShadow(false));
    EXPECT_EQ(4u, plain.GetStripSpriteCount()) << "three rows and one more";

    Reel shaded(Setup(1, 100, 200));
    ASSERT_NE(nullptr, shaded.GetShadow(true));
    ASSERT_NE(nullptr, shaded.GetShadow(false));
    const SpriteCreateRecord top = Examined(shaded.GetShadow(true)->Get());
    const SpriteCreateRecord bottom = Examined(shaded.GetShadow(false)->Get());
    EXPECT_EQ(kTop, top.y);
    EXPECT_EQ(kTop + kWindowHeight - 40, bottom.y);
    EXPECT_EQ(1000, top.depth);
    const auto* block = reinterpret_cast<const QuorOwnerDrawBlock*>(uintptr_t(top.extra));
    ASSERT_EQ(40, block->height);
    const std::vector<int32_t> levels = TopShadowLevels(kWindowHeight, 100, 200);
    const uint8_t* pixels = static_cast<const uint8_t*>(block->surface.pixels);
    for (int row = 0; row < 40; ++row)
        EXPECT_EQ(uint8_t(levels[size_t(row)]), pixels[row * 40 + 39]) << "row " << row;

    Reel low(Setup(2, 100, 200, 2));
    EXPECT_EQ(nullptr, low.GetShadow(true)) << "a window lower than 3 pixels has no shadow rows";
    EXPECT_THROW(Reel(ReelSetup{}), std::invalid_argument);
}

TEST_F(Reels, AThousandSpinsLeaveNoSpritesHandlesOrStalls) {
    SetFrameRate(60);
    for (int reel = 0; reel < 5; ++reel) AddReel(reel);
    for (auto& reel : reels_) reel->AnimateSymbol(0, AnimationAsset(), 0, -1);
    Pump(100);
    const ResourceCounts before = CountResources();
    const DWORD handlesBefore = [] {
        DWORD n = 0;
        GetProcessHandleCount(GetCurrentProcess(), &n);
        return n;
    }();
    int reports[5] = {};
    for (int round = 0; round < 200; ++round) {
        for (int r = 0; r < 5; ++r) {
            ReelTarget at;
            reels_[size_t(r)]->GetPosition(at);
            ReelTarget target;
            target.targetStop = (round + r) % kSymbols;
            target.targetPosition = at.currentPosition + 7 * (r + 1);
            reels_[size_t(r)]->Spin(target);
        }
        const std::vector<int> got = WaitForReports(5, 20000);
        ASSERT_EQ(5u, got.size()) << "round " << round << " stalled";
        for (int r : got) ++reports[r];
    }
    for (int r = 0; r < 5; ++r) EXPECT_EQ(200, reports[r]);
    for (auto& reel : reels_) reel->StopSymbolAnimation();
    const ResourceCounts after = CountResources();
    DWORD handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(before.sprites, after.sprites);
    EXPECT_EQ(before.gdi, after.gdi);
    EXPECT_LE(handlesAfter, handlesBefore + 4);
    reels_.clear();
    EXPECT_EQ(before.sprites - 5 * 5, CountResources().sprites) << "four rows and the animation sprite of each reel";
}

}  // namespace

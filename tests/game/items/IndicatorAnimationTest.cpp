// Cell animations of indicator displays on the engine's frame thread: frames set at once
// and frames out of range, per-cell loops, the wave and the all-together run ending,
// rates refused and clamped, a stalled frame thread catching up without running on, empty
// displays, and the light show.
#include <atomic>

#include "IndicatorDisplay.h"
#include "IndicatorLightShow.h"
#include "ItemStage.h"
#include "SpriteQueries.h"
#include "ThreadSyncToken.h"

namespace {

class FrameCounter : public FrameListener {
public:
    void OnFrame(int32_t) override { ++frames; }
    std::atomic<int> frames{0};
};

class IndicatorAnimations : public ItemStage {
protected:
    void SetUp() override {
        ItemStage::SetUp();
        display_.Init(stage_, 4, 0, DigitAsset(), nullptr, POINT{20, 20}, 5, false);
        display_.ShowValue();  // every cell on a sequence of three frames: 0, then blanks
    }
    uint32_t Frame(int cell) const { return GetSpriteFrame(*display_.GetCell(cell)); }
    // Waits (bounded) until the display's mode is back to per-cell loops.
    bool ModeEnds(IndicatorDisplay& d) {
        return PumpUntil([&] { return d.GetMode() == IndicatorDisplay::kCellLoops; });
    }
    IndicatorDisplay display_;
};

TEST_F(IndicatorAnimations, FramesOutOfTheCellsSequenceAreIgnored) {
    display_.SetCellFrame(0, 2);
    EXPECT_EQ(2u, Frame(0));
    EXPECT_EQ((Shown{kDigitFamily, 1, 2}), ShowsEventually(55, 28, Shown{kDigitFamily, 1, 2}));
    display_.SetCellFrame(0, 3);
    display_.SetCellFrame(0, -1);
    display_.SetCellFrame(7, 1);
    EXPECT_EQ(2u, Frame(0));
    display_.SetAllCellsFrame(1);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(1u, Frame(i));
    // A new digit keeps the frame, which its sequence has.
    display_.SetValue(5);
    EXPECT_EQ((Shown{kDigitFamily, 6, 1}), ShowsEventually(55, 28, Shown{kDigitFamily, 6, 1}));
}

TEST_F(IndicatorAnimations, CellLoopsRunTheirCountAndStopOnFrameZero) {
    ASSERT_TRUE(display_.SetRate(60));
    display_.SetCellFrame(1, 1);
    display_.AnimateCell(0, 2);
    EXPECT_TRUE(display_.IsAnimating());
    EXPECT_TRUE(PumpUntil([&] { return display_.GetCellRepeats(0) == 0; }));
    EXPECT_EQ(0u, Frame(0));
    EXPECT_EQ(1u, Frame(1)) << "cells without loops keep their frame";
    display_.AnimateAllCells(-1);  // without end, until stopped
    Pump(200);
    display_.StopAllCells();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(0, display_.GetCellRepeats(i));
}

TEST_F(IndicatorAnimations, WaveAndTogetherEndAfterTheirRepeats) {
    ASSERT_TRUE(display_.SetRate(100));
    display_.PlayTogether(0, 2, 1, 2);
    EXPECT_EQ(IndicatorDisplay::kTogether, display_.GetMode());
    ASSERT_TRUE(ModeEnds(display_));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(2u, Frame(i)) << "the run ends on its last frame";

    display_.PlayWave(0, 2, 1, 1);
    EXPECT_EQ(IndicatorDisplay::kWave, display_.GetMode());
    ASSERT_TRUE(ModeEnds(display_));
    // The last wave step (mode cell 3 of range 2, step 1) starts at frame 1 and goes on.
    EXPECT_EQ(1u, Frame(0));
    EXPECT_EQ(2u, Frame(1));
    EXPECT_EQ(0u, Frame(2));

    // A wave over no range of frames is refused.
    display_.PlayWave(2, 2, 1, 5);
    display_.PlayWave(2, 1, 1, 5);
    EXPECT_EQ(IndicatorDisplay::kCellLoops, display_.GetMode());
}

TEST_F(IndicatorAnimations, DisplaysWithoutCellsEndTheirModes) {
    IndicatorDisplay empty;
    empty.Init(stage_, 0, 0, DigitAsset(), nullptr, POINT{0, 0}, 5, false);
    ASSERT_TRUE(empty.SetRate(100));
    empty.PlayWave(0, 2, 1, 3);
    EXPECT_TRUE(ModeEnds(empty));
    empty.PlayTogether(0, 2, 1, 3);
    EXPECT_TRUE(ModeEnds(empty));
    empty.AnimateAllCells(5);
    empty.SetAllCellsFrame(1);
}

TEST_F(IndicatorAnimations, RatesOfZeroOrBelowAreRefusedAndHighRatesNeverStallTheFrameThread) {
    EXPECT_EQ(3, display_.GetRate());
    EXPECT_FALSE(display_.SetRate(0));
    EXPECT_FALSE(display_.SetRate(-15));
    EXPECT_EQ(3, display_.GetRate());
    EXPECT_TRUE(display_.SetRate(2000000000));
    EXPECT_EQ(AnimationClock::kMaxRate, display_.GetRate());

    FrameCounter counter;
    AddFrameListener(&counter);
    display_.AnimateAllCells(-1);
    display_.PlayWave(0, 2, 1, 1000000);
    {
        ThreadSyncToken stall;  // the frame thread waits: the animation falls far behind
        Sleep(700);
    }
    const int before = counter.frames;
    EXPECT_TRUE(PumpUntil([&] { return counter.frames - before >= 4; })) << "frames go on after the catch-up";
    display_.PlayTogether(0, 2, 0, 1000000);  // a step of 0 never reaches its last frame
    const int later = counter.frames;
    EXPECT_TRUE(PumpUntil([&] { return counter.frames - later >= 4; }));
    RemoveFrameListener(&counter);
}

TEST_F(IndicatorAnimations, TheLightShowCyclesWithOrWithoutDisplays) {
    IndicatorLightShow& show = IndicatorLightShow::Get();
    const size_t start = show.GetCount();
    // Nothing registered: the steps still go on.
    const size_t step = show.GetStep();
    const int32_t left = show.GetFramesLeft();
    EXPECT_TRUE(PumpUntil([&] { return show.GetStep() != step || show.GetFramesLeft() != left; }));
    {
        IndicatorDisplay lamp;
        lamp.Init(stage_, 2, 0, LampAsset(), nullptr, POINT{100, 100}, 5, false);
        show.Add(&lamp);
        show.Add(&lamp);
        EXPECT_EQ(start + 1, show.GetCount());
        Pump(200);
    }
    EXPECT_EQ(start, show.GetCount()) << "a display leaves the show when it goes";
    show.Add(&display_);
    SetFrameRate(120);  // the longest step is 200 frames
    PumpUntil([&] { return display_.GetRate() == 15; });
    SetFrameRate(30);
    EXPECT_EQ(15, display_.GetRate()) << "the show's steps run at 15 frames a second";
    show.Remove(&display_);
}

}  // namespace

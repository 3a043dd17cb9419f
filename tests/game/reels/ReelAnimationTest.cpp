// Symbol animations over a reel's rows: played a number of times at a rate and left on
// frame 0, shown frame by frame, stopped and hidden, rates refused and clamped, loops of
// 0, and catching up after the frame thread fell behind.
#include <atomic>

#include "ReelStage.h"
#include "SpriteQueries.h"
#include "ThreadSyncToken.h"

namespace {

// Counts the engine's frames (its ticks) as the reels see them.
class FrameCounter : public FrameListener {
public:
    FrameCounter() { AddFrameListener(this); }
    ~FrameCounter() { RemoveFrameListener(this); }
    void OnFrame(int32_t) override { ++frames; }
    std::atomic<int> frames{0};
};

class ReelAnimations : public ReelStage {
protected:
    void SetUp() override {
        ReelStage::SetUp();
        reel_ = &AddReel(0);
        reel_->PlaceAtStop(TargetFor(0, 0));
    }
    Shown Animation(int frame) const { return Shown{kAnimationFamily, 0, frame}; }
    uint32_t Frame() const { return GetSpriteFrame(reel_->GetAnimationSprite()); }
    bool LoopsEnd() {
        return PumpUntil([&] { return reel_->GetAnimationLoops() == 0; });
    }
    Reel* reel_ = nullptr;
};

TEST_F(ReelAnimations, AnAnimationRunsItsLoopsOverItsRowAndStaysOnFrameZero) {
    reel_->AnimateSymbolAtRate(0, AnimationAsset(), 0, 2, 30);
    EXPECT_EQ(30, reel_->GetAnimationRate());
    EXPECT_EQ(Animation(0), ShowsEventually(Left(0) + 20, kTop + 60, Animation(0)));
    // A late frame may run every step of a loop at once: a loop counted also shows a step.
    EXPECT_TRUE(PumpUntil([&] { return Frame() != 0 || reel_->GetAnimationLoops() < 2; })) << "the animation steps";
    ASSERT_TRUE(LoopsEnd());
    EXPECT_EQ(0u, Frame());
    EXPECT_EQ(Animation(0), ShowsEventually(Left(0) + 20, kTop + 60, Animation(0))) << "still shown on frame 0";
    EXPECT_EQ(Symbol(kStrip[1]), Row(0, -1)) << "the rows around it show the strip";

    reel_->StopSymbolAnimation();
    EXPECT_EQ(Symbol(kStrip[2]), ShowsEventually(Left(0) + 20, kTop + 60, Symbol(kStrip[2])));
}

TEST_F(ReelAnimations, FramesShownByHandGoToTheirRow) {
    reel_->ShowSymbolFrame(1, AnimationAsset(), 0, 3);
    EXPECT_EQ(Animation(3), ShowsEventually(Left(0) + 20, kTop + 100, Animation(3)));
    EXPECT_EQ(Symbol(kStrip[2]), Row(0, 0));
    reel_->ShowSymbolFrame(-1, AnimationAsset(), 0, 1);
    EXPECT_EQ(Animation(1), ShowsEventually(Left(0) + 20, kTop + 20, Animation(1)));
    reel_->StopSymbolAnimation();
    EXPECT_TRUE(Examined(reel_->GetAnimationSprite().Get()).flags & QuorSpriteHidden);
}

TEST_F(ReelAnimations, BadRatesAreRefusedOrClampedAndNoLoopsMeansNoSteps) {
    reel_->AnimateSymbolAtRate(0, AnimationAsset(), 0, 0, 0);
    EXPECT_EQ(Reel::kInitialAnimationRate, reel_->GetAnimationRate());
    Pump(200);
    EXPECT_EQ(0u, Frame()) << "loops 0 does not step";
    reel_->AnimateSymbolAtRate(0, AnimationAsset(), 0, 1, -30);
    EXPECT_EQ(Reel::kInitialAnimationRate, reel_->GetAnimationRate());
    EXPECT_TRUE(LoopsEnd());

    // The fastest rate, far behind after a stall: a bounded catch-up per frame, of at most
    // kMaxCatchUp steps, a loop of the four frames every four steps.
    FrameCounter counter;
    reel_->AnimateSymbolAtRate(0, AnimationAsset(), 0, 1000000, INT32_MAX);
    EXPECT_EQ(AnimationClock::kMaxRate, reel_->GetAnimationRate());
    {
        ThreadSyncToken stall;
        Sleep(500);
    }
    EXPECT_TRUE(PumpUntil([&] { return reel_->GetAnimationLoops() < 1000000; }));
    const int32_t left = reel_->GetAnimationLoops();
    const int ticks = counter.frames;  // each tick steps the reel before it counts here
    EXPECT_LE(1000000 - left, (ticks + 1) * int(AnimationClock::kMaxCatchUp) / 4)
        << ticks << " ticks: no more than a bounded number of steps per frame";
    reel_->StopSymbolAnimation();
    EXPECT_EQ(0, reel_->GetAnimationLoops());
}

TEST_F(ReelAnimations, AFastAnimationCatchesUpSeveralFramesInOneTick) {
    FrameCounter counter;
    reel_->AnimateSymbolAtRate(0, AnimationAsset(), 0, 3, 200);
    // 3 loops of 4 frames at 200 a second take 60 ms: the engine's ticks, a frame period
    // apart on the whole however late they run, end them within four, not twelve.
    ASSERT_TRUE(LoopsEnd());
    EXPECT_LE(counter.frames, 5);
    EXPECT_EQ(0u, Frame());
}

}  // namespace

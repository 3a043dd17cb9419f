// One spinning reel of a machine: a window on the machine's face through which a strip of
// symbols is seen, drawn as a column of image sprites clipped to the window, two shadow
// sprites over its top and bottom, and one sprite that plays a symbol animation over a
// row. The reel turns itself on the engine's frame thread at one pixel per millisecond
// and reports to its owner once when it reaches the stop it was sent to.
//
// Spin and PlaceAtStop are called on the user-interface thread, which writes the motion
// fields and then the motion state; the frame thread takes the state over (1 -> 2 -> 0).
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "AnimationClock.h"
#include "FaceElement.h"
#include "MemberFrameListener.h"
#include "ReelOwner.h"
#include "ReelSetup.h"
#include "SpriteHandle.h"

class Reel : public FaceElement {
public:
    enum Motion : int32_t { kIdle = 0, kStartRequested = 1, kMoving = 2 };
    static constexpr int32_t kInitialAnimationRate = 10;

    // Throws std::invalid_argument for a reel without stops, symbol size, owner or parent.
    explicit Reel(const ReelSetup& setup);
    ~Reel() override;

    void StopSymbolAnimation();
    void GetPosition(ReelTarget& target) const { target.currentPosition = position_; }
    // The symbol `row` stops below the pay-line row of the target stop (above: negative).
    uint32_t GetSymbolAt(int32_t row) const;
    int32_t GetPaylineStop() const;
    bool IsSpinning() const { return motion_.load() == kMoving; }
    // Plays the sequence of the asset over the row (0 = the middle row) `loops` times.
    void AnimateSymbol(int32_t row, uint32_t asset, uint32_t sequence, int32_t loops);
    // The same at `rate` frames per second (a rate of 0 or below keeps the rate it had).
    void AnimateSymbolAtRate(int32_t row, uint32_t asset, uint32_t sequence, int32_t loops, int32_t rate);
    // Shows the target's stop at once, without a spin and without a report.
    void PlaceAtStop(const ReelTarget& target);
    void SetNextStop(int32_t stop) { owner_->SetReelStop(number_, stop); }
    int32_t ChooseNextStop() { return owner_->ChooseReelStop(number_); }
    void Spin(const ReelTarget& target);
    void ShowSymbolFrame(int32_t row, uint32_t asset, uint32_t sequence, uint32_t frame);

    void OnClick(POINT point) override;
    // One engine frame (called by the reel's frame listener, on the frame thread).
    void OnFrame(int32_t elapsedFrames);

    int32_t GetReelNumber() const { return number_; }
    int32_t GetMotion() const { return motion_.load(); }
    int32_t GetTargetStop() const { return targetStop_; }
    int32_t GetAnimationLoops() const { return loops_.load(); }
    int32_t GetAnimationRate() const { return clock_.GetRate(); }
    const RECT& GetWindow() const { return window_; }
    size_t GetStripSpriteCount() const { return strip_.size(); }
    const SpriteHandle& GetStripSprite(size_t i) const { return *strip_[i]; }
    const SpriteHandle& GetAnimationSprite() const { return animation_; }
    const OwnerDrawSpriteHandle* GetShadow(bool top) const { return top ? topShadow_.get() : bottomShadow_.get(); }
    // Draws the strip so that `pixels` of it lie above the window's top.
    void SetPosition(int32_t pixels);

private:
    int32_t WindowHeight() const { return window_.bottom - window_.top; }
    int32_t StripLength() const { return int32_t(stops_.size()) * symbolHeight_; }
    int32_t StopCount() const { return int32_t(stops_.size()); }
    void MakeStripSprites();
    void MakeShadows(int32_t inner, int32_t outer);
    std::unique_ptr<OwnerDrawSpriteHandle> MakeShadow(int32_t y, const std::vector<int32_t>& levels);
    void DrawPosition();
    void StepMotion(uint32_t now);
    // The symbol animation (ReelSymbolAnimation.cpp).
    void PlaceAnimationSprite(int32_t row, uint32_t asset);
    void StepSymbolAnimation(uint32_t now);
    void CountLoopDown();

    RECT window_;
    int32_t symbolWidth_, symbolHeight_;
    std::vector<ReelStop> stops_;
    std::vector<std::unique_ptr<SpriteHandle>> strip_;
    int32_t position_ = 0, startPosition_ = 0;
    uint32_t spinStart_ = 0;
    int32_t targetPosition_ = 0, targetStop_ = 0;
    uint8_t reverse_ = 0;
    std::atomic<int32_t> motion_{kIdle};
    SpriteHandle animation_;
    uint32_t animationAsset_ = 0;
    std::atomic<int32_t> loops_{0};
    AnimationClock clock_{kInitialAnimationRate};
    std::unique_ptr<OwnerDrawSpriteHandle> topShadow_, bottomShadow_;
    int32_t number_;
    ReelOwner* owner_;
    const SpriteParent* parent_;
    uint32_t stripAsset_;
    MemberFrameListener<Reel> frameListener_;
};

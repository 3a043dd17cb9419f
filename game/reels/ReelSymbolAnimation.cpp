// The reel's symbol animation: one sprite placed over a row of the reel that plays a
// sequence a number of times, stepped by the reel's clock on the frame thread.
#include "Reel.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"
#include "ThreadSyncToken.h"

namespace {
const int32_t kAnimationDepth = 1;
}  // namespace

void Reel::PlaceAnimationSprite(int32_t row, uint32_t asset) {
    if (asset != animationAsset_ || animation_.IsEmpty()) {
        CreateDefaultAnimSprite(*parent_, animation_, asset);
        animationAsset_ = asset;
    }
    MakeSpriteVisible(animation_.Get(), 1);
    const int32_t h = symbolHeight_;
    const POINT at = {window_.left + (window_.right - window_.left - symbolWidth_) / 2,
                      window_.top + WindowHeight() / 2 + row * h - h / 2};
    PlaceHeldSprite(animation_, at, kAnimationDepth);
}

void Reel::AnimateSymbol(int32_t row, uint32_t asset, uint32_t sequence, int32_t loops) {
    ThreadSyncToken token;
    PlaceAnimationSprite(row, asset);
    AnimateSprite(animation_.Get(), sequence, 0, 0);
    loops_.exchange(loops);
    clock_.Restart(timeGetTime());
}

void Reel::AnimateSymbolAtRate(int32_t row, uint32_t asset, uint32_t sequence, int32_t loops, int32_t rate) {
    ThreadSyncToken token;
    clock_.SetRate(rate);
    AnimateSymbol(row, asset, sequence, loops);
}

void Reel::ShowSymbolFrame(int32_t row, uint32_t asset, uint32_t sequence, uint32_t frame) {
    ThreadSyncToken token;
    PlaceAnimationSprite(row, asset);
    AnimateSprite(animation_.Get(), sequence, frame, 0);
    MakeSpriteVisible(animation_.Get(), 1);
}

void Reel::StopSymbolAnimation() {
    loops_.exchange(0);
    if (!animation_.IsEmpty()) MakeSpriteVisible(animation_.Get(), 0);
}

// One loop less, unless StopSymbolAnimation has just set the counter to 0 on the other
// thread: a stopped animation stays stopped.
void Reel::CountLoopDown() {
    int32_t loops = loops_.load();
    while (loops != 0 && !loops_.compare_exchange_weak(loops, loops - 1)) {
    }
}

// The frame thread holds the engine's token: the UI thread's changes above wait for it.
// The sprite stays on frame 0 when the loops run out.
void Reel::StepSymbolAnimation(uint32_t now) {
    if (loops_.load() == 0) return;
    while (clock_.TakeStep(now)) {
        if (loops_.load() == 0) continue;
        const uint32_t sequence = GetSpriteSequence(animation_);
        uint32_t frame = GetSpriteFrame(animation_) + 1;
        if (frame >= GetSpriteFrameCount(animation_, sequence)) {
            frame = 0;
            CountLoopDown();
        }
        AnimateSprite(animation_.Get(), sequence, frame, 0);
    }
}

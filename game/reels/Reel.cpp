#include "Reel.h"

#include <cstring>
#include <stdexcept>

#include "RectHitShape.h"
#include "ReelShadowLevels.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"
#include "ThreadSyncToken.h"

namespace {

const int32_t kShadowDepth = 1000;
const uint32_t kOneBytePerPixel = 2;

int32_t PositiveMod(int32_t a, int32_t n) { return (a % n + n) % n; }

void CheckSetup(const ReelSetup& setup) {
    if (setup.strip.empty() || setup.symbolHeight <= 0 || setup.symbolWidth <= 0 || !setup.owner || !setup.parent)
        throw std::invalid_argument("Reel::Reel: a reel needs stops, a symbol size, an owner and a parent");
}

}  // namespace

Reel::Reel(const ReelSetup& setup)
    : window_(setup.window),
      symbolWidth_(setup.symbolWidth),
      symbolHeight_(setup.symbolHeight),
      number_(setup.reelNumber),
      owner_(setup.owner),
      parent_(setup.parent),
      stripAsset_(setup.stripAsset),
      frameListener_(this, &Reel::OnFrame) {
    CheckSetup(setup);
    stops_ = setup.strip;
    {
        ThreadSyncToken token;
        MakeStripSprites();
        if (setup.innerDensity != 0 && setup.outerDensity != 0) MakeShadows(setup.innerDensity, setup.outerDensity);
        SetPosition(0);
    }
    SetBehaviour(new RectHitShape(window_));
    SetState(1);
    AddFrameListener(&frameListener_);
}

Reel::~Reel() {
    // Waits for a frame under way; no frame reaches the reel after it.
    RemoveFrameListener(&frameListener_);
    ThreadSyncToken token;
    strip_.clear();
    animation_.Reset(0);
    topShadow_.reset();
    bottomShadow_.reset();
}

void Reel::MakeStripSprites() {
    const int32_t rows = (WindowHeight() + symbolHeight_ - 1) / symbolHeight_ + 1;
    for (int32_t i = 0; i < rows; ++i) {
        strip_.push_back(std::make_unique<SpriteHandle>());
        if (CreateDefaultAnimSprite(*parent_, *strip_.back(), stripAsset_))
            SetSpriteClippingRectangle(strip_.back()->Get(), 1, &window_);
    }
}

void Reel::MakeShadows(int32_t inner, int32_t outer) {
    const int32_t third = WindowHeight() / 3;
    topShadow_ = MakeShadow(window_.top, TopShadowLevels(WindowHeight(), inner, outer));
    bottomShadow_ = MakeShadow(window_.bottom - third, BottomShadowLevels(WindowHeight(), inner, outer));
}

// A one-byte-per-pixel sprite over the window's width, each row filled with its level.
std::unique_ptr<OwnerDrawSpriteHandle> Reel::MakeShadow(int32_t y, const std::vector<int32_t>& levels) {
    if (levels.empty()) return nullptr;
    OwnerDrawSpriteDesc d;
    d.x = window_.left;
    d.y = y;
    d.depth = kShadowDepth;
    d.block.options = kOneBytePerPixel;
    d.block.width = window_.right - window_.left;
    d.block.height = int32_t(levels.size());
    auto shadow = std::make_unique<OwnerDrawSpriteHandle>();
    if (!CreateOwnerDrawSprite(*parent_, *shadow, d)) return nullptr;
    SpriteCreateRecord record;
    if (!ExamineSprite(shadow->Get(), &record) || !record.extra) return shadow;
    const QuorOwnerDrawBlock* block = reinterpret_cast<const QuorOwnerDrawBlock*>(uintptr_t(record.extra));
    uint8_t* pixels = static_cast<uint8_t*>(block->surface.pixels);
    const uint32_t rowBytes = (uint32_t(d.block.width) + 3) & ~3u;
    for (size_t row = 0; pixels && row < levels.size(); ++row)
        memset(pixels + row * rowBytes, uint8_t(levels[row]), size_t(d.block.width));
    UpdateOwnerDrawSprite(shadow->Get());
    return shadow;
}

void Reel::SetPosition(int32_t pixels) {
    const int32_t h = symbolHeight_, H = WindowHeight();
    const int32_t first = pixels / h, within = pixels % h;
    int32_t centre = h - ((H - h) / 2) % h;
    if (centre == h) centre = 0;
    const int32_t offset = (centre + within) % h;
    const int32_t x = window_.left + (window_.right - symbolWidth_ - window_.left) / 2;
    for (size_t i = 0; i < strip_.size(); ++i) {
        const ReelStop& stop = stops_[size_t(PositiveMod(first + int32_t(i), StopCount()))];
        AnimateSprite(strip_[i]->Get(), stop.symbol, 0, 0);
        int32_t y = int32_t(i) * h - offset;
        if (y > H) y = H;
        PlaceHeldSprite(*strip_[i], POINT{x, window_.top + y}, 0);
    }
}

// A growing position moves the symbols downwards.
void Reel::DrawPosition() {
    const int32_t length = StripLength();
    SetPosition(length - PositiveMod(position_, length) - 1);
}

int32_t Reel::GetPaylineStop() const {
    const int32_t rows = ((WindowHeight() - symbolHeight_) / 2) / symbolHeight_;
    return PositiveMod(targetStop_ + rows + StopCount() + 1, StopCount());
}

uint32_t Reel::GetSymbolAt(int32_t row) const {
    const int32_t base = GetPaylineStop();
    return stops_[size_t(PositiveMod(base + PositiveMod(row, StopCount()), StopCount()))].symbol;
}

void Reel::PlaceAtStop(const ReelTarget& target) {
    ThreadSyncToken token;
    position_ = target.targetPosition;
    targetPosition_ = target.targetPosition;
    targetStop_ = target.targetStop;
    reverse_ = 0;
    DrawPosition();
}

void Reel::Spin(const ReelTarget& target) {
    ThreadSyncToken token;
    targetPosition_ = target.targetPosition;
    targetStop_ = target.targetStop;
    reverse_ = target.reverse;
    motion_.store(kStartRequested);
}

void Reel::OnClick(POINT) { owner_->OnReelClick(number_); }

void Reel::OnFrame(int32_t) {
    const uint32_t now = timeGetTime();
    StepMotion(now);
    StepSymbolAnimation(now);
}

void Reel::StepMotion(uint32_t now) {
    int32_t motion = motion_.load();
    if (motion == kStartRequested) {
        startPosition_ = position_;
        spinStart_ = now;
        motion_.store(motion = kMoving);
    }
    if (motion != kMoving) return;
    if (position_ == targetPosition_) {
        motion_.store(kIdle);
        owner_->OnReelStopped(number_);
        return;
    }
    const int32_t elapsed = int32_t(now - spinStart_);
    if (reverse_) position_ = startPosition_ - elapsed < targetPosition_ ? targetPosition_ : startPosition_ - elapsed;
    else position_ = startPosition_ + elapsed > targetPosition_ ? targetPosition_ : startPosition_ + elapsed;
    DrawPosition();
}

#include "FrameTimer.h"

#include <cstddef>
#include <new>

bool FrameTimer::IsDue(uint32_t now) const {
    if (lastFrame_ == 0) return true;
    return now - lastFrame_ >= uint32_t(period_);
}

void FrameTimer::Record(uint32_t now) {
    if (!hasRing_ || ringSize_ <= 0) return;
    if (ringPos_ >= ringSize_) ringPos_ = 0;
    if (filled_ == 0) fillStart_ = now;
    if (filled_ >= ringSize_) span_ = now - ring_[ringPos_];
    else ++filled_;
    lastRecord_ = now;
    ring_[ringPos_] = now;
    if (++ringPos_ >= ringSize_) ringPos_ = 0;
}

int32_t FrameTimer::ElapsedFrames(uint32_t now) {
    uint32_t n;
    if (lastFrame_ == 0) {
        lastFrame_ = now;
        n = 1;
    } else {
        n = (now - lastFrame_) / uint32_t(period_);
        if (n > 0) lastFrame_ += n * uint32_t(period_);
    }
    if (pendingRate_ != 0) {
        ApplyRate(pendingRate_);
        pendingRate_ = 0;
    }
    return int32_t(n);
}

void FrameTimer::ApplyRate(int32_t rate) {
    rate_ = rate;
    period_ = 1000 / rate;
    try {
        // A resized ring keeps its entries and position; new entries hold no time yet.
        ring_.resize(size_t(rate), 0);
        hasRing_ = true;
        filled_ = 0;
        span_ = 0;
        ringSize_ = rate;
        // A smaller ring can leave the position past its end: wrap it.
        if (ringPos_ >= ringSize_) ringPos_ = 0;
    } catch (const std::bad_alloc&) {
        ring_.clear();
        hasRing_ = false;
        ringSize_ = 0;
        ringPos_ = 0;
    }
}

int32_t FrameTimer::FramesPerSecond() const {
    if (!hasRing_) return -1;
    if (filled_ < ringSize_) {
        // Not every entry holds a time yet: the frames recorded so far, over their time.
        const uint32_t time = lastRecord_ - fillStart_;
        if (filled_ < 2 || time == 0) return 0;
        return int32_t((time / 2 + uint32_t(filled_ - 1) * 1000u) / time);
    }
    if (span_ == 0) return 0;
    return int32_t((span_ / 2 + uint32_t(ringSize_) * 1000u) / span_);
}

bool FrameTimer::RequestRate(int32_t rate) {
    if (uint32_t(rate) - 1u < 1000u) pendingRate_ = rate;
    return hasRing_;
}

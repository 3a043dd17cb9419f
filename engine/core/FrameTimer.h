// The frame clock: when the next frame is due, how many frame periods a tick covers, and
// the measured frame rate over the last `rate` frames. Times are millisecond clock values
// passed in by the caller, so the arithmetic wraps like the system clock does.
#pragma once
#include <cstdint>
#include <vector>

class FrameTimer {
public:
    bool IsDue(uint32_t now) const;
    // Stores the frame's start in the ring of recent frames.
    void Record(uint32_t now);
    // Frame periods elapsed since the last frame on the grid; applies a pending rate.
    int32_t ElapsedFrames(uint32_t now);
    // Frames per second over the ring, rounded; -1 before the first frame.
    int32_t FramesPerSecond() const;
    // Stores a rate for the next frame when 1..1000; true when the ring exists.
    bool RequestRate(int32_t rate);
    bool HasRing() const { return hasRing_; }

    int32_t Rate() const { return rate_; }
    int32_t Period() const { return period_; }
    int32_t RingSize() const { return ringSize_; }
    int32_t RingPos() const { return ringPos_; }
    int32_t PendingRate() const { return pendingRate_; }
    uint32_t Span() const { return span_; }
    uint32_t LastFrame() const { return lastFrame_; }

private:
    void ApplyRate(int32_t rate);

    std::vector<uint32_t> ring_;
    bool hasRing_ = false;
    int32_t ringSize_ = 0;
    int32_t ringPos_ = 0;
    int32_t rate_ = 0;
    int32_t period_ = 0;
    uint32_t lastFrame_ = 0;
    uint32_t span_ = 0;
    int32_t pendingRate_ = 30;
    // Frames recorded since the ring was made or resized, and the time of the first: until
    // every entry holds a time of its own, the rate is measured over those frames.
    int32_t filled_ = 0;
    uint32_t fillStart_ = 0;
    uint32_t lastRecord_ = 0;
};

// The cell animations of an indicator display: frames set at once, per-cell loops, the
// wave and the all-together run, stepped by the display's clock on the frame thread; and
// the rotation and scale of the cells.
#include <windows.h>
#include <mmsystem.h>

#include <cmath>

#include "CriticalLock.h"
#include "Geometry.h"
#include "IndicatorDisplay.h"
#include "ThreadSyncToken.h"

void IndicatorDisplay::SetCellFrame(int32_t cell, int32_t frame) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    mode_ = kCellLoops;
    ShowCellFrame(cell, frame);
}

void IndicatorDisplay::SetAllCellsFrame(int32_t frame) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    mode_ = kCellLoops;
    for (int32_t i = 0; i < cellCount_; ++i) ShowCellFrame(i, frame);
}

void IndicatorDisplay::AnimateCell(int32_t cell, int32_t loops) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    if (cell < 0 || cell >= cellCount_) return;
    mode_ = kCellLoops;
    repeats_[size_t(cell)] = loops;
    StartTimer();
}

void IndicatorDisplay::AnimateAllCells(int32_t loops) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    mode_ = kCellLoops;
    for (int32_t& repeats : repeats_) repeats = loops;
    StartTimer();
}

void IndicatorDisplay::StopCell(int32_t cell) {
    CriticalLock locked(&lock_);
    if (cell >= 0 && cell < cellCount_) repeats_[size_t(cell)] = 0;
}

void IndicatorDisplay::StopAllCells() {
    CriticalLock locked(&lock_);
    for (int32_t& repeats : repeats_) repeats = 0;
}

// A wave needs a range of frames to run through: an empty one is refused.
void IndicatorDisplay::PlayWave(int32_t first, int32_t last, int32_t step, int32_t repeats) {
    if (last - first <= 0) return;
    StartMode(kWave, first, last, step, repeats);
}

void IndicatorDisplay::PlayTogether(int32_t first, int32_t last, int32_t step, int32_t repeats) {
    StartMode(kTogether, first, last, step, repeats);
}

void IndicatorDisplay::StartMode(Mode mode, int32_t first, int32_t last, int32_t step, int32_t repeats) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    mode_ = mode;
    modeFirst_ = first;
    modeLast_ = last;
    modeStep_ = step;
    modeRepeats_ = repeats;
    modeCell_ = 0;
    modeCurrent_ = -1;
    StartTimer();
}

bool IndicatorDisplay::SetRate(int32_t rate) {
    CriticalLock locked(&lock_);
    return clock_.SetRate(rate);
}

void IndicatorDisplay::StartTimer() {
    clock_.Restart(timeGetTime());
    if (animating_) return;
    AddFrameListener(&frameListener_);
    animating_ = true;
}

// Frames out of the cell's current sequence are ignored.
void IndicatorDisplay::ShowCellFrame(int32_t cell, int32_t frame) {
    if (cell < 0 || cell >= cellCount_) return;
    const size_t sequence = size_t(currentSequence_[size_t(cell)]);
    if (sequence >= sequenceLengths_.size() || frame < 0 || frame >= sequenceLengths_[sequence]) return;
    currentFrame_[size_t(cell)] = frame;
    AnimateSprite(cells_[size_t(cell)]->Get(), uint32_t(sequence), uint32_t(frame), 0);
}

// The frame thread holds the engine's token already.
void IndicatorDisplay::OnFrame(int32_t) {
    if (!spriteCells_) return;
    CriticalLock locked(&lock_);
    const uint32_t now = timeGetTime();
    while (clock_.TakeStep(now))
        if (!Step()) break;
}

bool IndicatorDisplay::Step() {
    switch (mode_) {
    case kWave:
        return StepWave();
    case kTogether:
        return StepTogether();
    default:
        StepCellLoops();
        return true;
    }
}

void IndicatorDisplay::StepCellLoops() {
    for (int32_t i = 0; i < cellCount_; ++i) {
        int32_t& repeats = repeats_[size_t(i)];
        if (repeats == 0) continue;
        const size_t sequence = size_t(currentSequence_[size_t(i)]);
        const int32_t length = sequence < sequenceLengths_.size() ? sequenceLengths_[sequence] : 0;
        int32_t frame = currentFrame_[size_t(i)] + 1;
        if (frame >= length) {
            frame = 0;
            --repeats;
        }
        ShowCellFrame(i, frame);
    }
}

bool IndicatorDisplay::StepWave() {
    const int32_t range = modeLast_ - modeFirst_;
    if (range <= 0) {
        mode_ = kCellLoops;
        return false;
    }
    int32_t offset = (((range - modeCell_ % range) * modeStep_) % range + range) % range + modeFirst_;
    for (int32_t i = 0; i < cellCount_; ++i) {
        ShowCellFrame(i, offset);
        offset += modeStep_;
        if (offset > modeLast_) offset = modeFirst_;
    }
    if (++modeCell_ < cellCount_) return true;
    modeCell_ = 0;
    return EndModeRepeat();
}

bool IndicatorDisplay::StepTogether() {
    const bool starting = modeCurrent_ == -1;
    if (starting) {
        modeCurrent_ = modeFirst_;
    } else {
        modeCurrent_ += modeStep_;
        if (modeCurrent_ > modeLast_) modeCurrent_ = modeLast_;
    }
    for (int32_t i = 0; i < cellCount_; ++i) ShowCellFrame(i, modeCurrent_);
    if (starting || modeCurrent_ != modeLast_) return true;
    modeCurrent_ = -1;
    return EndModeRepeat();
}

// One repeat of a finite mode is over; false (and back to per-cell loops) when it was the
// last.
bool IndicatorDisplay::EndModeRepeat() {
    if (--modeRepeats_ > 0) return true;
    mode_ = kCellLoops;
    return false;
}

void IndicatorDisplay::SetRotation(double degrees) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    rotation_ = degrees;
    ApplyTransform();
}

void IndicatorDisplay::SetScale(double factor) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    scale_ = factor;
    ApplyTransform();
}

void IndicatorDisplay::ApplyTransform() {
    const RotationMatrix rotation(rotation_ * 3.14159265358979323846 / 180.0);
    for (int i = 0; i < 4; ++i) transform_[i] = rotation.m[i] * scale_;
    if (text_) ApplyTransformToSprite(text_->Get(), transform_);
    for (auto& cell : cells_) ApplyTransformToSprite(cell->Get(), transform_);
}

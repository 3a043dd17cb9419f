#include "AnimationSequence.h"

#include <algorithm>

AnimationFrame* AnimationSequence::AddFrame() {
    frames_.push_back(new AnimationFrame());
    return frames_.back();
}

void AnimationSequence::InsertFrame(size_t position, AnimationFrame* frame) {
    frames_.insert(frames_.begin() + std::min(position, frames_.size()), frame);
}

void AnimationSequence::RemoveFrame(AnimationFrame* frame) {
    frames_.erase(std::remove(frames_.begin(), frames_.end(), frame), frames_.end());
}

void AnimationSequence::DeleteFrames() {
    for (AnimationFrame* frame : frames_) delete frame;
    frames_.clear();
}

FrameSource AnimationSequence::GetCommonSource() const {
    if (frames_.empty()) return FrameSource::Blank;
    const FrameSource first = frames_.front()->GetSource();
    for (const AnimationFrame* frame : frames_)
        if (frame->GetSource() != first) return FrameSource::Blank;
    return first;
}

SIZE AnimationSequence::GetLargestFrameSize() const {
    SIZE largest = {0, 0};
    for (const AnimationFrame* frame : frames_) {
        const SIZE size = frame->GetSize();
        largest.cx = std::max(largest.cx, size.cx);
        largest.cy = std::max(largest.cy, size.cy);
    }
    return largest;
}

// One sequence of an animation being edited: its frames in order.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "AnimationFrame.h"

class AnimationSequence {
public:
    AnimationSequence() = default;
    ~AnimationSequence() { DeleteFrames(); }
    AnimationSequence(const AnimationSequence&) = delete;
    AnimationSequence& operator=(const AnimationSequence&) = delete;

    const std::vector<AnimationFrame*>& GetFrames() const { return frames_; }
    size_t GetFrameCount() const { return frames_.size(); }
    // Appends a new blank frame, which the sequence owns.
    AnimationFrame* AddFrame();
    void InsertFrame(size_t position, AnimationFrame* frame);
    // Takes the frame out without deleting it (the caller owns it then).
    void RemoveFrame(AnimationFrame* frame);
    void DeleteFrames();
    // The source that every frame shares; Blank when they differ or there is none.
    FrameSource GetCommonSource() const;
    // The largest width and the largest height over the frames, each taken apart.
    SIZE GetLargestFrameSize() const;

    int32_t anchors[2] = {1, 1};

private:
    std::vector<AnimationFrame*> frames_;
};

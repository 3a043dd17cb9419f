// The turning reels of a machine, in reel order.
#pragma once
#include "ReelTarget.h"

class ReelSet {
public:
    virtual ~ReelSet() = default;
    // The reel's position in pixels along its strip.
    virtual int32_t GetPosition(int reel) const = 0;
    // The reel's motion state: 0 when it stands still; any other state means it still moves.
    virtual int GetMotionState(int reel) const = 0;
    // Sets the reel moving to its target.
    virtual void Spin(int reel, const ReelTarget& target) = 0;
};

// The face's reels as the spin sees them: the spin's targets become reel aims.
#pragma once
#include "FaceReels.h"
#include "ReelSet.h"

class FaceReelSet : public ReelSet {
public:
    explicit FaceReelSet(FaceReels& reels) : reels_(reels) {}

    int32_t GetPosition(int reel) const override { return reels_.GetPosition(reel); }
    int GetMotionState(int reel) const override { return reels_.GetMotion(reel); }
    void Spin(int reel, const ReelTarget& target) override {
        reels_.Spin(reel, ReelAim{target.target, target.targetStop, target.reverse});
    }

private:
    FaceReels& reels_;
};

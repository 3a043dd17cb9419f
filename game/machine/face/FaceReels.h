// The reels of a machine's face, one per reel record, made on the screen's stage and added
// to its element host. The reels' own header is kept out of this one: its target and stop
// records share their names with the play rules' records, so the two never meet in one
// source file.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

class MachineScreen;
class Reel;
class ReelOwner;

// Where a reel is sent: pixels along its strip, the stop it ends on, the direction.
struct ReelAim {
    int32_t position = 0;
    int32_t stop = 0;
    bool reverse = false;
};

class FaceReels {
public:
    FaceReels(MachineScreen& screen, ReelOwner& owner);
    ~FaceReels();
    FaceReels(const FaceReels&) = delete;
    FaceReels& operator=(const FaceReels&) = delete;

    int Count() const { return int(reels_.size()); }
    int32_t GetPosition(int reel) const;
    int GetMotion(int reel) const;
    int32_t GetTargetStop(int reel) const;
    Reel& At(int reel) const { return *reels_[size_t(reel)]; }
    void Spin(int reel, const ReelAim& aim);
    // Shows the aim at once, without a spin and without a report.
    void Place(int reel, const ReelAim& aim);

private:
    MachineScreen& screen_;
    std::vector<std::unique_ptr<Reel>> reels_;
};

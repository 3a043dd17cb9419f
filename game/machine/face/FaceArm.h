// The machine's arm: the "##arm" element record's picture at its place, added to the
// screen's element host with the hot key "P". Pulling it on an idle machine that takes
// bets and has coins bet plays the arm's sequence once and spins. Its last frame, the lever
// pulled down, holds as long as a frame of the pull did, then the arm is back at its first
// frame; the frame ticks of the screen bring it back. Any other pull tells the player why
// it does not spin.
#pragma once
#include "FaceElement.h"
#include "MachineMeters.h"
#include "MachineMoney.h"
#include "SpinController.h"
#include "SpriteHandle.h"

class MachineScreen;

struct ArmParts {
    MachineMoney& money;
    MachineMeters& meters;
    SpinController& spin;
};

class FaceArm {
public:
    static const char kRecordName[];

    // A machine without an "##arm" record or without its picture has no arm.
    FaceArm(MachineScreen& screen, const ArmParts& parts);
    ~FaceArm();
    FaceArm(const FaceArm&) = delete;
    FaceArm& operator=(const FaceArm&) = delete;

    bool Exists() const { return added_; }
    FaceElement& Element() { return element_; }
    void OnPull(FaceElement&);
    // A frame tick of the screen (user-interface thread): stands the lever up again once its
    // last frame has held.
    void OnTick();

private:
    MachineScreen& screen_;
    ArmParts parts_;
    FaceElement element_;
    SpriteHandle sprite_;
    bool added_ = false;
    // While a pull plays: the ticks since it began, and the tick at which the last frame showed
    // (-1 before it has).
    bool pulling_ = false;
    int32_t ticks_ = 0;
    int32_t downAt_ = -1;
};

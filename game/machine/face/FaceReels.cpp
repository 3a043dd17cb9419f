#include "FaceReels.h"

#include "MachineScreen.h"
#include "Reel.h"

namespace {
ReelSetup SetupOf(MachineScreen& screen, ReelOwner& owner, int reel) {
    const MachineRecords& records = screen.Records();
    const ReelRectRecord& place = records.reels[size_t(reel)];
    ReelSetup setup;
    setup.window = RECT{place.rect.left, place.rect.top, place.rect.right, place.rect.bottom};
    for (const StripStop& stop : records.strips[size_t(reel)].stops)
        setup.strip.push_back(ReelStop{uint32_t(stop.symbol), uint32_t(stop.weight)});
    setup.symbolWidth = records.symbolWidth;
    setup.symbolHeight = records.symbolHeight;
    setup.reelNumber = reel;
    setup.owner = &owner;
    setup.parent = &screen.GetStage();
    setup.stripAsset = screen.File().Asset(records.stripImage);
    setup.innerDensity = place.innerShadow;
    setup.outerDensity = place.outerShadow;
    return setup;
}

ReelTarget TargetOf(const ReelAim& aim) {
    ReelTarget target;
    target.targetPosition = aim.position;
    target.targetStop = aim.stop;
    target.reverse = aim.reverse ? 1 : 0;
    return target;
}
}  // namespace

FaceReels::FaceReels(MachineScreen& screen, ReelOwner& owner) : screen_(screen) {
    for (int i = 0; i < screen.Records().reelCount; ++i) {
        reels_.push_back(std::make_unique<Reel>(SetupOf(screen, owner, i)));
        screen.AddElement(reels_.back().get(), false);
    }
}

FaceReels::~FaceReels() {
    for (auto& reel : reels_) screen_.RemoveElement(reel.get(), false);
}

int32_t FaceReels::GetPosition(int reel) const {
    ReelTarget target;
    reels_[size_t(reel)]->GetPosition(target);
    return target.currentPosition;
}

int FaceReels::GetMotion(int reel) const { return reels_[size_t(reel)]->GetMotion(); }

int32_t FaceReels::GetTargetStop(int reel) const { return reels_[size_t(reel)]->GetTargetStop(); }

void FaceReels::Spin(int reel, const ReelAim& aim) { reels_[size_t(reel)]->Spin(TargetOf(aim)); }

void FaceReels::Place(int reel, const ReelAim& aim) { reels_[size_t(reel)]->PlaceAtStop(TargetOf(aim)); }

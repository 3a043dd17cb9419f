#include "FaceArm.h"

#include "ActionCallback.h"
#include "MachineScreen.h"
#include "Quor2_5.h"
#include "RectHitShape.h"
#include "SpriteDesc.h"

const char FaceArm::kRecordName[] = "##arm";

namespace {
// Called on the frame thread when the pull's sequence has shown its last frame: the lever
// springs back to its first one. Engine calls only, so nothing can throw through the engine.
void __stdcall ReturnLever(int32_t event, int32_t sprite) {
    if (event == 1) AnimateSprite(sprite, 0, 0, 0);
}
}  // namespace

FaceArm::FaceArm(MachineScreen& screen, const ArmParts& parts) : screen_(screen), parts_(parts) {
    const ElementRecord* record = screen.Records().FindElement(kRecordName);
    if (!record || !record->image) return;
    const ChunkRect& r = record->rect;
    if (!CreateAnimSpriteAt(screen.GetStage(), sprite_, screen.File().Asset(record->image), r.left, r.top,
                            uint32_t(record->depth), true))
        return;
    SetSpriteCallback(sprite_.Get(), uintptr_t(&ReturnLever), 1);
    element_.SetSprite(&sprite_);
    element_.SetBehaviour(new RectHitShape(RECT{r.left, r.top, r.right, r.bottom}));
    element_.SetAction(new ActionCallback<FaceArm>(this, &FaceArm::OnPull));
    element_.SetHotKey('P', 0);
    screen.AddElement(&element_, false);
    added_ = true;
}

FaceArm::~FaceArm() {
    if (added_) screen_.RemoveElement(&element_, false);
}

void FaceArm::OnPull(FaceElement&) {
    // A pull that cannot spin says why, as the disabled Spin does.
    if (!parts_.money.TakesBets() || parts_.meters.Bet() == 0) return parts_.money.OnSpinRefused();
    AutoSequenceSprite(sprite_.Get(), 0, 0, 0);
    parts_.spin.OnSpin();
}

#include "FaceArm.h"

#include <algorithm>

#include "ActionCallback.h"
#include "MachineScreen.h"
#include "Quor2_5.h"
#include "RectHitShape.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"

const char FaceArm::kRecordName[] = "##arm";

FaceArm::FaceArm(MachineScreen& screen, const ArmParts& parts) : screen_(screen), parts_(parts) {
    const ElementRecord* record = screen.Records().FindElement(kRecordName);
    if (!record || !record->image) return;
    const ChunkRect& r = record->rect;
    if (!CreateAnimSpriteAt(screen.GetStage(), sprite_, screen.File().Asset(record->image), r.left, r.top,
                            uint32_t(record->depth), true))
        return;
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
    pulling_ = true;
    ticks_ = 0;
    downAt_ = -1;
    parts_.spin.OnSpin();
}

void FaceArm::OnTick() {
    if (!pulling_) return;
    ++ticks_;
    const uint32_t frames = GetSpriteFrameCount(sprite_, 0);
    if (downAt_ < 0) {
        if (frames > 1 && GetSpriteFrame(sprite_) + 1 < frames) return;
        downAt_ = ticks_;
    }
    // The last frame holds for as many ticks as each frame before it took on average.
    const int32_t hold = frames > 1 ? downAt_ / int32_t(frames - 1) : 0;
    if (ticks_ - downAt_ < std::max(hold, 1)) return;
    AnimateSprite(sprite_.Get(), 0, 0, 0);
    pulling_ = false;
}

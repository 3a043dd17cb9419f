#include "ArmElement.h"

#include "MachineScript.h"

bool ArmElement::Setup(const AnimationReference& arm, AnimationSet* set, const ScriptRect& rect,
                       const SpriteParent& parent, const std::string& name) {
    rect_ = rect;
    SetPlace(Point{rect.left, rect.top});
    LinkedRecord& record = AddRecord(arm, set);
    SetBounds(record.PictureRect());
    SetDisplayText(name);
    RegionElement::Setup(parent, name);
    modified_ = false;
    return true;
}

ScriptRect ArmElement::GetArmRect() const {
    const Point place = GetPlace();
    return ScriptRect{place.x, place.y, place.x + rect_.right - rect_.left, place.y + rect_.bottom - rect_.top};
}

void ArmElement::Commit(MachineScript& script) {
    LinkedRecord& record = *GetRecords().front();
    AnimationSet* set = record.set.Get();
    if (IsAnimationChanged() && set && record.record.animationName.empty()) {
        record.record.transparent = set->IsTransparent();
        set->GetHotspot(record.record.horizontalHotSpot, record.record.verticalHotSpot);
        set->Save(record.record);
        script.SetArmAnimation(record.record);
    }
    ClearAnimationChanged();
    if (IsMoved()) {
        rect_ = GetArmRect();
        script.SetArmRect(rect_);
    }
    MoveAndRenameWritten();
}

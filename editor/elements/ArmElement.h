// The machine's pull arm on the Graphics page ("Pull Arm"): the first frame of the arm's
// animation at its place. Dragging it moves the arm; an edit of its animation is written
// back with the animation's transparency and hot spot.
#pragma once
#include "RegionElement.h"
#include "ScriptRect.h"

class ArmElement : public RegionElement {
public:
    explicit ArmElement(MachineLayout* layout) : RegionElement(layout) {}

    bool Setup(const AnimationReference& arm, AnimationSet* set, const ScriptRect& rect, const SpriteParent& parent,
               const std::string& name);
    bool IsModified() override { return IsAnimationChanged() || IsMoved(); }
    void Commit(MachineScript& script) override;

    // The arm's rectangle as the script will get it: its hot-spot point and picture size.
    ScriptRect GetArmRect() const;

private:
    ScriptRect rect_;
};

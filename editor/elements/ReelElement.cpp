#include "ReelElement.h"

#include <string>

#include "MachineScript.h"
#include "OutlineSprite.h"

namespace {
const COLORREF kReelFrameColour = RGB(0, 255, 255);
}  // namespace

bool ReelElement::Setup(const SpriteParent& parent, int32_t reel, const ReelPosition& position) {
    parent_ = &parent;
    reel_ = reel;
    SetDisplayText("Reel " + std::to_string(reel) + " Area");
    const ScriptRect& r = position.rectangle;
    SetBounds(ElementRect{r.left, r.top, r.right, r.bottom});
    PaintArea(GetRect());
    SetSprite(&frame_);
    DrawSelection(parent);
    SetVisible(false);
    return true;
}

void ReelElement::PaintArea(const ElementRect& rect) {
    if (parent_) DrawOutlineSprite(*parent_, frame_, rect, {}, kReelFrameColour);
}

void ReelElement::Commit(MachineScript& script) {
    if (!modified_) return;
    const ElementRect& r = GetRect();
    script.SetReelRect(reel_, ScriptRect{r.left, r.top, r.right, r.bottom});
    MoveAndRenameWritten();
}

#include "SpriteCheckBox.h"

#include "RectHitShape.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"

bool SpriteCheckBox::Create(const SpriteParent& parent, uint32_t asset, POINT point, uint32_t depth) {
    x_ = point.x;
    y_ = point.y;
    depthKey_ = uint16_t(depth);
    depthHigh_ = uint16_t(depth >> 16);
    if (!CreateAnimSpriteAt(parent, holder_, asset, point.x, point.y, depth, true)) return false;
    SetSprite(&holder_);
    SetBehaviour(new RectHitShape(HeldSpriteBounds(holder_)));
    Show(checked_ ? kChecked : kUnchecked);
    return true;
}

void SpriteCheckBox::Show(uint32_t frame, bool lowered) {
    if (holder_.IsEmpty()) return;
    AnimateSprite(holder_.Get(), 0, frame, 0);
    const uint16_t key = uint16_t(depthKey_ - (lowered ? 1 : 0));
    PlaceHeldSprite(holder_, POINT{x_, y_}, int32_t(uint32_t(depthHigh_) << 16 | key));
}

void SpriteCheckBox::ShowRestingFrame() {
    if (!IsEnabled()) Show(kDisabled, true);
    else Show(checked_ ? kChecked : kUnchecked);
}

void SpriteCheckBox::Check() {
    if (checked_) return;
    checked_ = true;
    Show(kChecked);
}

void SpriteCheckBox::Uncheck() {
    if (!checked_) return;
    checked_ = false;
    Show(kUnchecked);
}

void SpriteCheckBox::InvokeAction() {
    if (checked_) Uncheck();
    else Check();
    FaceElement::InvokeAction();
}

void SpriteCheckBox::MoveSprite(POINT offset, int32_t depth) {
    x_ += int16_t(offset.x);
    y_ += int16_t(offset.y);
    depthKey_ = uint16_t(depthKey_ + uint16_t(depth));
    depthHigh_ = uint16_t(depthHigh_ + uint16_t(uint32_t(depth) >> 16));
    FaceElement::MoveSprite(offset, depth);
}

void SpriteCheckBox::PlaceSprite(POINT point, int32_t depth) {
    x_ = point.x;
    y_ = point.y;
    depthKey_ = uint16_t(depth);
    depthHigh_ = uint16_t(uint32_t(depth) >> 16);
    FaceElement::PlaceSprite(point, depth);
}

bool SpriteCheckBox::OnStateChanged(uint8_t) {
    ShowRestingFrame();
    return true;
}

void SpriteCheckBox::OnHighlight(bool on) {
    if (on) Show(checked_ ? kCheckedLit : kUncheckedLit);
    else ShowRestingFrame();
}

bool SpriteCheckBox::OnHighlightChanged(bool highlighted) {
    OnHighlight(highlighted);
    return true;
}

void SpriteCheckBox::OnHoverChanged(bool hovered) { OnHighlight(hovered); }
void SpriteCheckBox::OnPressedChanged(bool pressed) { OnHighlight(pressed); }

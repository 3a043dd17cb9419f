#include "FaceElement.h"

#include "SpriteDesc.h"
#include "SpriteQueries.h"

namespace {
const uint32_t kNormalFrame = 0, kPressedFrame = 1, kDisabledFrame = 2;
}  // namespace

FaceElement::~FaceElement() {
    action_.reset();
    if (ownsShape_) delete shape_;
}

void FaceElement::InvokeAction() {
    if (action_) action_->Invoke(*this);
}

void FaceElement::MoveSprite(POINT offset, int32_t depth) {
    if (shape_) shape_->OnMove(offset);
    if (!sprite_) return;
    const int16_t deltas[4] = {int16_t(offset.x), int16_t(offset.y), int16_t(depth), int16_t(uint32_t(depth) >> 16)};
    ::MoveSprite(sprite_->Get(), deltas);
}

void FaceElement::PlaceSprite(POINT point, int32_t depth) {
    if (shape_) shape_->OnPlace(point);
    if (sprite_) PlaceHeldSprite(*sprite_, point, depth);
}

void FaceElement::FocusElement(FaceElement* element) {
    if (host_) host_->FocusElement(element);
}

HCURSOR FaceElement::GetCursor() { return LoadCursorA(nullptr, IDC_ARROW); }
void FaceElement::SetHost(FaceElement* host) { host_ = host; }
void FaceElement::OnMouseDown(POINT) {}
void FaceElement::OnClick(POINT) { InvokeAction(); }
void FaceElement::OnMouseMove(POINT) {}
void FaceElement::OnKeyDown(WPARAM, LPARAM) {}
void FaceElement::OnKeyUp(WPARAM, LPARAM) {}
void FaceElement::OnChar(WPARAM) {}
bool FaceElement::OnContextMenu(POINT, Window*) { return false; }
uint32_t FaceElement::GetKeyWants() { return 0; }

void FaceElement::ShowSprite(bool visible) {
    if (sprite_) MakeSpriteVisible(sprite_->Get(), visible ? 1 : 0);
}

bool FaceElement::OnHighlightChanged(bool) { return true; }
bool FaceElement::OnStateChanged(uint8_t) { return true; }

void FaceElement::SetText(const char* text) {
    if (sprite_) SetTextSpriteText(*sprite_, text);
}

void FaceElement::OnHoverChanged(bool) {}
void FaceElement::OnPressedChanged(bool) {}

bool FaceElement::SetState(uint8_t state) {
    if (state == state_) return true;
    state_ = state;
    return OnStateChanged(state);
}

bool FaceElement::SetHighlight(bool highlighted) {
    if (highlighted == highlight_) return true;
    highlight_ = highlighted;
    return OnHighlightChanged(highlighted);
}

void FaceElement::SetAction(ElementAction* action) {
    if (action != action_.get()) action_.reset(action);
}

void FaceElement::SetRefusal(ElementAction* action) {
    if (action != refusal_.get()) refusal_.reset(action);
}

void FaceElement::InvokeRefusal() {
    if (refusal_) refusal_->Invoke(*this);
}

void FaceElement::SetBehaviour(HitShape* shape) {
    if (shape != shape_ && ownsShape_) delete shape_;
    shape_ = shape;
    ownsShape_ = true;
}

void FaceElement::SetHotKey(uint32_t key, uint32_t shiftFlags) {
    hotKey_ = key;
    hotKeyShift_ = shiftFlags;
}

bool FaceElement::MatchesHotKey(uint32_t key, uint32_t shiftFlags) const {
    return hotKey_ == key && hotKeyShift_ == shiftFlags;
}

void FaceElement::SetTextFrom(const std::string& text) { SetText(text.empty() ? "" : text.c_str()); }

bool FaceElement::CreateDefaultSprite(uint32_t asset, const SpriteParent& parent) {
    const bool made = CreateDefaultAnimSprite(parent, ownSprite_, asset);
    sprite_ = &ownSprite_;
    return made;
}

void FaceElement::ShowButtonStateImage(bool enabled) {
    if (sprite_) AnimateSprite(sprite_->Get(), 0, enabled ? kNormalFrame : kDisabledFrame, 0);
}

void FaceElement::ShowButtonHighlightImage(bool pressed) {
    const uint32_t frame = pressed ? kPressedFrame : !IsEnabled() ? kDisabledFrame : kNormalFrame;
    if (sprite_) AnimateSprite(sprite_->Get(), 0, frame, 0);
}

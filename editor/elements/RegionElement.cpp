#include "RegionElement.h"

#include "ElementPlacement.h"
#include "FrameSprite.h"
#include "SpriteQueries.h"

namespace {
const int32_t kMissingWidth = 48, kMissingHeight = 16;
}

RegionElement::LinkedRecord::LinkedRecord(RegionElement* owner, const AnimationReference& record,
                                          AnimationSet* set)
    : record(record), set(this), owner_(owner) {
    this->set.Take(set);
}

void RegionElement::LinkedRecord::OnSetChanged(int32_t) {
    Draw();
    changed = true;
}

ElementRect RegionElement::LinkedRecord::PictureRect() const {
    const FramePicture first = FrameOf(set.Get(), 0);
    int32_t horizontal = 1, vertical = 1;
    if (set.Get()) set.Get()->GetHotspot(horizontal, vertical);
    if (!first.image) return ::PictureRect(owner_->GetPlace(), kMissingWidth, kMissingHeight, 1, 1);
    return ::PictureRect(owner_->GetPlace(), first.width, first.height, horizontal, vertical);
}

bool RegionElement::LinkedRecord::Draw() {
    const SpriteParent* parent = owner_->GetParent();
    if (!parent) return false;
    const FramePicture first = FrameOf(set.Get(), 0);
    const bool transparent = set.Get() && set.Get()->IsTransparent();
    DrawFrameSprite(*parent, sprite, PictureRect(), first, SpriteKeyFor(first, transparent), "Missing");
    if (!sprite.IsEmpty()) MakeSpriteVisible(sprite.Get(), 1);
    return first.image != nullptr;
}

RegionElement::RegionElement(MachineLayout* layout) : RectElement(layout) {}

RegionElement::~RegionElement() {
    listened_.clear();
    records_.clear();
}

RegionElement::LinkedRecord& RegionElement::AddRecord(const AnimationReference& record, AnimationSet* set) {
    records_.push_back(std::make_unique<LinkedRecord>(this, record, set));
    return *records_.back();
}

bool RegionElement::Setup(const SpriteParent& parent, const std::string& name) {
    parent_ = &parent;
    SetName(name);
    for (const auto& record : records_) {
        record->Draw();
        listened_.push_back(std::make_unique<ListenedSet>(this));
        listened_.back()->Take(record->set.Get());
    }
    DrawSelection(parent);
    SetVisible(false);
    return true;
}

void RegionElement::MoveSprite(POINT offset, int32_t depth) {
    place_.x += offset.x, place_.y += offset.y;
    const int16_t deltas[4] = {int16_t(offset.x), int16_t(offset.y), 0, 0};
    for (const auto& record : records_)
        if (!record->sprite.IsEmpty()) ::MoveSprite(record->sprite.Get(), deltas);
    RectElement::MoveSprite(offset, depth);
}

void RegionElement::PlaceSprite(POINT point, int32_t depth) {
    const POINT offset = {point.x - GetRect().left, point.y - GetRect().top};
    place_.x += offset.x, place_.y += offset.y;
    for (const auto& record : records_) {
        const ElementRect r = record->PictureRect();
        if (!record->sprite.IsEmpty()) PlaceHeldSprite(record->sprite, POINT{r.left, r.top}, depth);
    }
    RectElement::PlaceSprite(point, depth);
}

void RegionElement::OnSetChanged(int32_t) {
    for (const auto& record : records_) record->Draw();
    animationChanged_ = true;
}

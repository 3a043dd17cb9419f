#include "SpriteItem.h"

SpriteItem::~SpriteItem() {
    if (sink_) sink_->Release();
}

void SpriteItem::SetEventSink(ItemEventSink* sink) {
    if (sink_ && sink_ != sink) sink_->Release();
    sink_ = sink;
}

void SpriteItem::Fire(int32_t dispid) {
    if (sink_) sink_->FireItemEvent(dispid);
}

void SpriteItem::InvokeAction() {
    Fire(ItemEventSink::kOnClick);
    FaceElement::InvokeAction();
}

bool SpriteItem::OnHighlightChanged(bool highlighted) {
    Fire(highlighted ? ItemEventSink::kOnFocus : ItemEventSink::kOnBlur);
    ShowHighlightImage(highlighted);
    return true;
}

bool SpriteItem::OnStateChanged(uint8_t state) {
    ShowButtonStateImage(state != 0);
    return true;
}

void SpriteItem::ShowHighlightImage(bool highlighted) { ShowButtonHighlightImage(highlighted); }

#include "SpriteItem.h"

void SpriteItem::InvokeAction() {
    events_.Fire(ItemEventSink::kOnClick);
    FaceElement::InvokeAction();
}

bool SpriteItem::OnHighlightChanged(bool highlighted) {
    events_.Fire(highlighted ? ItemEventSink::kOnFocus : ItemEventSink::kOnBlur);
    ShowHighlightImage(highlighted);
    return true;
}

bool SpriteItem::OnStateChanged(uint8_t state) {
    ShowButtonStateImage(state != 0);
    return true;
}

void SpriteItem::ShowHighlightImage(bool highlighted) { ShowButtonHighlightImage(highlighted); }

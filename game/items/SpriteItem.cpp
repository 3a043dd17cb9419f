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

// A disabled item shows that it is off even with the focus: Spin takes the focus from its
// own hot key after its click has disabled it, and lit it would look ready for the next spin.
void SpriteItem::ShowHighlightImage(bool highlighted) {
    if (IsEnabled())
        ShowButtonHighlightImage(highlighted);
    else
        ShowButtonStateImage(false);
}

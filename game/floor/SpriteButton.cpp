#include "SpriteButton.h"

#include "Quor2_5.h"
#include "RectHitShape.h"
#include "SpriteDesc.h"
#include "ThreadSyncToken.h"

bool SpriteButton::Create(const SpriteParent& parent, uint32_t asset, POINT at, SIZE size) {
    SetBehaviour(new RectHitShape(RECT{at.x, at.y, at.x + size.cx, at.y + size.cy}));
    if (!CreateAnimSpriteAt(parent, holder_, asset, at.x, at.y, 10, true)) return false;
    SetSprite(&holder_);
    Show(Resting());
    return true;
}

void SpriteButton::Show(uint32_t frame) {
    frame_ = frame;
    ThreadSyncToken token;
    AnimateSprite(holder_.Get(), 0, frame, 0);
}

bool SpriteButton::OnStateChanged(uint8_t) {
    Show(Resting());
    return true;
}

void SpriteButton::OnPressedChanged(bool pressed) { Show(pressed && IsEnabled() ? kPressed : Resting()); }

void SpriteButton::OnHoverChanged(bool hovered) { Show(hovered && IsEnabled() ? kHover : Resting()); }

#include "LobbyScrollZone.h"

#include "LobbyScrolling.h"
#include "RectHitShape.h"
#include "SpriteDesc.h"
#include "ThreadSyncToken.h"

bool LobbyScrollZone::Create(const SpriteParent& parent, uint32_t asset) {
    SetBehaviour(new RectHitShape(RECT{kLeft, kTop, kRight, kBottom}));
    if (!CreateAnimSpriteAt(parent, holder_, asset, kLeft, kTop, 10, true)) return false;
    SetSprite(&holder_);
    return true;
}

void LobbyScrollZone::SetZone(int32_t zone) {
    if (InterlockedExchange(&zone_, zone) == zone) return;
    ThreadSyncToken token;
    AnimateSprite(holder_.Get(), 0, ScrollZoneFrame(zone), 0);
}

void LobbyScrollZone::OnMouseMove(POINT point) { SetZone(ScrollZoneAt(point.x, kLeft, kRight, buttonDown_)); }

void LobbyScrollZone::OnMouseDown(POINT point) {
    buttonDown_ = true;
    SetZone(ScrollZoneAt(point.x, kLeft, kRight, true));
}

void LobbyScrollZone::OnPressedChanged(bool pressed) {
    if (!pressed) buttonDown_ = false;
}

// The button comes up with the pressed zone kept; the next move lifts it.
void LobbyScrollZone::OnClick(POINT point) { SetZone(ScrollZoneAt(point.x, kLeft, kRight, true)); }

void LobbyScrollZone::OnHoverChanged(bool hovered) {
    if (!hovered) SetZone(kZoneNone);
}

bool LobbyScrollZone::OnHighlightChanged(bool highlighted) {
    if (!highlighted) SetZone(kZoneNone);
    return true;
}

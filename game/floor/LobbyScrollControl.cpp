#include "LobbyScrollControl.h"

#include "RectHitShape.h"

LobbyScrollControl::LobbyScrollControl(LobbyHotspotEvents& events) : events_(events) {
    SetBehaviour(new RectHitShape(RECT{0, 0, kViewWidth, kViewHeight}));
}

void LobbyScrollControl::SetGeometry(double radius, double horizon, int32_t width) {
    projection_.radius = radius;
    projection_.horizon = horizon;
    projection_.width = width;
}

LobbyProjection LobbyScrollControl::Projection() const {
    LobbyProjection p = projection_;
    p.scrollX = GetScrollX();
    return p;
}

int32_t LobbyScrollControl::HitTest(POINT view) const {
    if (!table_) return -1;
    const LobbyPoint p = Projection().ToPanorama(LobbyPoint{view.x, view.y});
    return FindHotspotAt(table_, p.x, p.y);
}

bool LobbyScrollControl::InExit(POINT view) const {
    const LobbyPoint p = Projection().ToPanorama(LobbyPoint{view.x, view.y});
    return kLobbyExitRect.Contains(p.x, p.y);
}

bool LobbyScrollControl::Follow(int32_t id) {
    if (id == hotspot_) return false;
    const int32_t old = hotspot_;
    hotspot_ = id;
    if (old != -1) events_.OnHotspotLeave(old);
    if (id != -1) events_.OnHotspotEnter(id);
    return true;
}

void LobbyScrollControl::OnMouseMove(POINT point) { Follow(InExit(point) ? -1 : HitTest(point)); }

void LobbyScrollControl::OnMouseDown(POINT point) {
    const int32_t id = HitTest(point);
    Follow(id);
    pressedHotspot_ = id;
    exitPressed_ = id == -1 && InExit(point);
}

void LobbyScrollControl::OnClick(POINT point) {
    const int32_t id = HitTest(point);
    const bool exit = exitPressed_ && id == -1 && InExit(point);
    // A machine opens only when the button went down on it as well.
    const bool pressedHere = id == pressedHotspot_;
    exitPressed_ = false;
    pressedHotspot_ = -1;
    if (exit) {
        events_.OnExit();
    } else if (!Follow(id) && id != -1 && pressedHere) {
        events_.OnHotspotClick(id);
    }
}

void LobbyScrollControl::OnHoverChanged(bool hovered) {
    if (!hovered) Follow(-1);
}

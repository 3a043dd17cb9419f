// The face element over the lobby's view: it takes pointer points back to the panorama,
// finds the hot spot under them and tells the lobby when the pointer enters, leaves or
// clicks one, or clicks the exit door. The scroll x it projects with is set by the lobby.
#pragma once
#include <windows.h>

#include <cstdint>

#include "FaceElement.h"
#include "LobbyHotspots.h"
#include "LobbyProjection.h"

class LobbyHotspotEvents {
public:
    virtual void OnHotspotClick(int32_t id) = 0;
    virtual void OnHotspotEnter(int32_t id) = 0;
    virtual void OnHotspotLeave(int32_t id) = 0;
    virtual void OnHotspotNothing() {}
    virtual void OnExit() = 0;

protected:
    ~LobbyHotspotEvents() = default;
};

class LobbyScrollControl : public FaceElement {
public:
    static const int32_t kViewWidth = 800, kViewHeight = 472;

    explicit LobbyScrollControl(LobbyHotspotEvents& events);

    void SetGeometry(double radius, double horizon, int32_t width);
    void SetHotspots(const LobbyHotspot* table) { table_ = table; }
    void SetScrollX(int32_t x) { InterlockedExchange(&scrollX_, x); }
    int32_t GetScrollX() const { return InterlockedCompareExchange(const_cast<volatile LONG*>(&scrollX_), 0, 0); }
    LobbyProjection Projection() const;
    // The hot spot under a view point, or -1.
    int32_t HitTest(POINT view) const;
    int32_t GetHotspot() const { return hotspot_; }

    void OnMouseMove(POINT point) override;
    void OnMouseDown(POINT point) override;
    void OnClick(POINT point) override;
    void OnHoverChanged(bool hovered) override;

private:
    bool InExit(POINT view) const;
    // Leave and enter when the hot spot under the pointer changes; true when it did.
    bool Follow(int32_t id);

    LobbyHotspotEvents& events_;
    LobbyProjection projection_;
    volatile LONG scrollX_ = 0;
    const LobbyHotspot* table_ = nullptr;
    int32_t hotspot_ = -1;
    int32_t pressedHotspot_ = -1;  // the hot spot the button went down on
    bool exitPressed_ = false;
};

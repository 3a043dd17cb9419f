// The lobby's scroll control: a sprite of five frames whose left and right thirds scroll
// the panorama left and right while the pointer rests on them and brake while pressed.
// The zone is written on the user-interface thread and read on the frame thread.
#pragma once
#include <windows.h>

#include <cstdint>

#include "FaceElement.h"
#include "SpriteHandle.h"
#include "SpriteParent.h"

class LobbyScrollZone : public FaceElement {
public:
    static const int32_t kLeft = 336, kTop = 470, kRight = 464, kBottom = 542;

    bool Create(const SpriteParent& parent, uint32_t asset);
    int32_t GetZone() const { return InterlockedCompareExchange(const_cast<volatile LONG*>(&zone_), 0, 0); }

    void OnMouseMove(POINT point) override;
    void OnMouseDown(POINT point) override;
    void OnClick(POINT point) override;
    void OnHoverChanged(bool hovered) override;
    void OnPressedChanged(bool pressed) override;
    bool OnHighlightChanged(bool highlighted) override;

private:
    void SetZone(int32_t zone);

    SpriteHandle holder_;
    volatile LONG zone_ = 0;
    bool buttonDown_ = false;
};

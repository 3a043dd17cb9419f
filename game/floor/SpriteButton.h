// A push button drawn with the four frames of one sprite: 0 normal, 1 hover, 2 pressed,
// 3 disabled. Clicking it runs its action.
#pragma once
#include <windows.h>

#include <cstdint>

#include "FaceElement.h"
#include "SpriteHandle.h"
#include "SpriteParent.h"

class SpriteButton : public FaceElement {
public:
    enum Frame : uint32_t { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

    // The sprite of the asset at the point; the button covers the size given.
    bool Create(const SpriteParent& parent, uint32_t asset, POINT at, SIZE size);
    uint32_t GetFrame() const { return frame_; }

    bool OnStateChanged(uint8_t state) override;
    void OnPressedChanged(bool pressed) override;
    void OnHoverChanged(bool hovered) override;

private:
    void Show(uint32_t frame);
    uint32_t Resting() const { return IsEnabled() ? kNormal : kDisabled; }

    SpriteHandle holder_;
    uint32_t frame_ = kNormal;
};

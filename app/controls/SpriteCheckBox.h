// A two-state face element drawn with the frames of sequence 0 of one 'anim' sprite:
// 0 unchecked, 1 unchecked and highlighted, 2 checked, 3 checked and highlighted,
// 4 disabled (shown one depth below the box's own depth).
#pragma once
#include <windows.h>

#include <cstdint>

#include "FaceElement.h"
#include "SpriteHandle.h"
#include "SpriteParent.h"

class SpriteCheckBox : public FaceElement {
public:
    enum Frame : uint32_t { kUnchecked = 0, kUncheckedLit = 1, kChecked = 2, kCheckedLit = 3, kDisabled = 4 };

    // The depth word: its low half is the depth key, its high half the fourth coordinate.
    bool Create(const SpriteParent& parent, uint32_t asset, POINT point, uint32_t depth);
    void Check();
    void Uncheck();
    bool IsChecked() const { return checked_; }
    void DeleteSprite() { holder_.Reset(0); }

    // Toggles, then acts.
    void InvokeAction() override;
    void MoveSprite(POINT offset, int32_t depth) override;
    void PlaceSprite(POINT point, int32_t depth) override;
    bool OnStateChanged(uint8_t state) override;
    bool OnHighlightChanged(bool highlighted) override;
    void OnHoverChanged(bool hovered) override;
    void OnPressedChanged(bool pressed) override;
    // The frame for the highlight, or for the state when the highlight goes.
    void OnHighlight(bool on);

private:
    // The frame of the checked state, or the disabled frame when disabled.
    void ShowRestingFrame();
    void Show(uint32_t frame, bool lowered = false);

    SpriteHandle holder_;
    bool checked_ = false;
    uint16_t depthKey_ = 0;
    uint16_t depthHigh_ = 0;
    int32_t x_ = 0, y_ = 0;
};

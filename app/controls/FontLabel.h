// A face element that shows a text in a sprite font: the text is drawn into the level
// picture of the label's own 'anim' sprite, aligned left, centred, right or scrolled so
// that a chosen character ends at the right edge.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "FaceElement.h"
#include "Quor2_5.h"
#include "SpriteFont.h"

class FontLabel : public FaceElement {
public:
    enum Alignment : uint32_t { kLeft = 0, kCentred = 1, kRight = 2, kScrolled = 3 };

    FontLabel() = default;
    // The sprite of the picture asset (whose frame is a level picture) shows the text; an
    // effect, when given, colours it. The font is shared and must outlive the label.
    bool Create(const SpriteParent& parent, SpriteFont* font, uint32_t pictureAsset, int32_t x, int32_t y,
                uint32_t maxLength, HQUOREFFECT effect);
    // Keeps at most the maximum length of the text and draws it.
    void SetText(const char* text) override;
    // Draws the text again into the cleared picture, holding the engine's sync token.
    void Redraw();
    void AlignLeft() { SetAlignment(kLeft); }
    void SetAlignment(uint32_t mode);
    // Scrolls so that the character before `index` ends at the right edge.
    void ShowPosition(uint32_t index);
    uint32_t GetLength() const { return uint32_t(text_.size()); }
    const std::string& GetTextString() const { return text_; }
    uint32_t GetMaxLength() const { return maxLength_; }
    uint32_t GetAlignment() const { return alignment_; }
    void* GetPicture() const { return picture_; }
    SpriteFont* GetFont() const { return font_; }
    // Called at the end of every redraw.
    virtual void OnRedrawn();

protected:
    std::string& Text() { return text_; }

private:
    int32_t StartX() const;

    uint32_t scroll_ = 0;
    uint32_t maxLength_ = 0;
    std::string text_;
    SpriteFont* font_ = nullptr;
    std::unique_ptr<SpriteHandle> holder_;
    void* picture_ = nullptr;
    uint32_t alignment_ = kLeft;
};

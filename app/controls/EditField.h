// A font label that can be typed into: a caret, keys that move it and edit the text, and
// a ring of fields that Tab, the up and down arrows and Enter move through. One caret
// sprite serves every field; the field that places the caret last has it.
#pragma once
#include <windows.h>

#include <cstdint>

#include "FontLabel.h"

class EditField : public FontLabel {
public:
    EditField() = default;
    ~EditField() override;

    // With a ring neighbour the field joins its ring after it; without one it starts a
    // ring of its own and makes the shared caret sprite of the caret asset. The field
    // rectangle places the caret; the rest is as FontLabel::Create.
    bool Create(EditField* neighbour, int32_t left, int32_t top, int32_t right, int32_t bottom,
                const SpriteParent& parent, SpriteFont* font, uint32_t pictureAsset, uint32_t caretAsset, int32_t x,
                int32_t y, uint32_t maxLength, HQUOREFFECT effect);
    // The caret to the end of the text, and the field enabled.
    void Focus();
    // Moves the caret (clamped to the text) and the caret sprite, scrolling the text when
    // the caret would pass the field's right edge.
    void SetCaret(int32_t index);
    uint32_t GetCaret() const { return caret_; }
    // Inserts the character at the index unless the text is at its maximum length; true
    // when it was inserted.
    bool InsertChar(uint32_t index, char c);
    // Inserts at the caret and moves the caret past it; beeps when the field is full and
    // tells OnRefused.
    void TypeChar(char c);
    // Deletes the character at the index, when there is one.
    void DeleteChar(uint32_t index);
    EditField* Previous() const { return previous_; }
    EditField* Next() const { return next_; }

    void OnKeyDown(WPARAM key, LPARAM flags) override;
    void OnChar(WPARAM character) override;
    bool OnHighlightChanged(bool highlighted) override;
    uint32_t GetKeyWants() override;
    void OnClick(POINT point) override;
    // A character typed into the full field was refused.
    virtual void OnRefused() {}

    static const SpriteHandle& CaretSprite();
    static void DeleteCaretSprite();

private:
    int32_t CaretOffset(uint32_t caret) const;
    void LeaveRing();

    uint32_t caret_ = 0;
    EditField* previous_ = this;
    EditField* next_ = this;
    RECT field_ = {};
};

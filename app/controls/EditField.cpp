#include "EditField.h"

#include <algorithm>

#include "SpriteDesc.h"
#include "SpriteQueries.h"

namespace {
const int32_t kCaretDepth = 3;
// Where the caret stands from the field: after the text, and at its right edge.
const int32_t kCaretAfterText = 22, kCaretAtEdge = 21, kCaretAboveBottom = 5;
// The caret's place when the caret or the text is at 0.
const int32_t kEmptyOffset = 8;
const LPARAM kAltHeld = LPARAM(1) << 29;
const WPARAM kBackspace = 8, kEnter = 13;

SpriteHandle& SharedCaret() {
    static SpriteHandle caret;
    return caret;
}
}  // namespace

const SpriteHandle& EditField::CaretSprite() { return SharedCaret(); }
void EditField::DeleteCaretSprite() { SharedCaret().Reset(0); }

EditField::~EditField() { LeaveRing(); }

void EditField::LeaveRing() {
    previous_->next_ = next_;
    next_->previous_ = previous_;
    previous_ = next_ = this;
}

bool EditField::Create(EditField* neighbour, int32_t left, int32_t top, int32_t right, int32_t bottom,
                       const SpriteParent& parent, SpriteFont* font, uint32_t pictureAsset, uint32_t caretAsset,
                       int32_t x, int32_t y, uint32_t maxLength, HQUOREFFECT effect) {
    if (neighbour && neighbour != this) {
        LeaveRing();
        previous_ = neighbour;
        next_ = neighbour->next_;
        neighbour->next_->previous_ = this;
        neighbour->next_ = this;
    } else {
        CreateAnimSpriteAt(parent, SharedCaret(), caretAsset, left, bottom, kCaretDepth, true);
    }
    field_ = RECT{left, top, right, bottom};
    return FontLabel::Create(parent, font, pictureAsset, x, y, maxLength, effect);
}

void EditField::Focus() {
    SetCaret(int32_t(GetLength()));
    SetState(1);
}

int32_t EditField::CaretOffset(uint32_t caret) const {
    if (caret == 0 || GetLength() == 0 || !GetFont()) return kEmptyOffset;
    return GetFont()->Measure(GetTextString().data(), caret).cx;
}

void EditField::SetCaret(int32_t index) {
    caret_ = index < 0 ? 0 : std::min(uint32_t(index), GetLength());
    const int32_t offset = CaretOffset(caret_);
    const int32_t y = field_.bottom - kCaretAboveBottom;
    if (offset < field_.right - field_.left) {
        PlaceHeldSprite(SharedCaret(), POINT{field_.left + offset + kCaretAfterText, y}, kCaretDepth);
        AlignLeft();
    } else {
        ShowPosition(caret_);
        PlaceHeldSprite(SharedCaret(), POINT{field_.right + kCaretAtEdge, y}, kCaretDepth);
    }
}

bool EditField::InsertChar(uint32_t index, char c) {
    if (GetLength() >= GetMaxLength()) return false;
    Text().insert(std::min(index, GetLength()), 1, c);
    Redraw();
    return true;
}

void EditField::TypeChar(char c) {
    // A full field refuses the character as an edit control at its limit does: with a beep.
    if (InsertChar(caret_, c)) {
        SetCaret(int32_t(caret_ + 1));
    } else {
        MessageBeep(MB_OK);
        OnRefused();
    }
}

void EditField::DeleteChar(uint32_t index) {
    if (index >= GetLength()) return;
    Text().erase(index, 1);
    Redraw();
}

void EditField::OnKeyDown(WPARAM key, LPARAM flags) {
    if (flags & kAltHeld) return;
    const int32_t caret = int32_t(caret_);
    switch (key) {
    case VK_TAB:
        FocusElement(GetKeyState(VK_SHIFT) < 0 ? previous_ : next_);
        break;
    case VK_END: SetCaret(int32_t(GetLength())); break;
    case VK_HOME: SetCaret(0); break;
    case VK_LEFT: SetCaret(caret - 1); break;
    case VK_RIGHT: SetCaret(caret + 1); break;
    case VK_UP: FocusElement(previous_); break;
    case VK_DOWN: FocusElement(next_); break;
    case VK_DELETE: DeleteChar(caret_); break;
    default: break;
    }
}

void EditField::OnChar(WPARAM character) {
    if (character == kBackspace) {
        if (caret_ == 0) return;
        SetCaret(int32_t(caret_) - 1);
        DeleteChar(caret_);
    } else if (character == kEnter) {
        FocusElement(next_);
    } else if (character >= 32 && character <= 126) {
        TypeChar(char(character));
    }
}

bool EditField::OnHighlightChanged(bool highlighted) {
    if (highlighted) SetCaret(int32_t(GetLength()));
    else AlignLeft();
    return true;
}

uint32_t EditField::GetKeyWants() { return kWantsArrows | kWantsTabArrows | kWantsCharacters; }

void EditField::OnClick(POINT) {}

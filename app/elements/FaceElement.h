// The base of everything a screen shows and the player acts on with mouse or keyboard: an
// element has a sprite (held elsewhere, usually by the derived element), a hit shape, an
// action and a hot key, and hears of mouse, key, hover, press, focus and state changes
// through its virtual operations. Its host routes those to it (ElementHost).
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "ElementAction.h"
#include "HitShape.h"
#include "SpriteHandle.h"

class SpriteParent;
class Window;

class FaceElement {
public:
    // What GetKeyWants may answer.
    static const uint32_t kWantsArrows = 1;      // arrow keys go to the element
    static const uint32_t kWantsTabArrows = 2;   // Tab and arrow keys go to the element
    static const uint32_t kWantsCharacters = 4;  // letters and digits are typed, not hot keys
    // Hot-key shift flags.
    static const uint32_t kShift = 4;

    FaceElement() = default;
    FaceElement(const FaceElement&) = delete;
    FaceElement& operator=(const FaceElement&) = delete;
    virtual ~FaceElement();

    virtual void InvokeAction();
    // Moves the sprite by the offset (x and y are narrowed to 16 bits) and the depth word's
    // two halves; the hit shape hears of it first.
    virtual void MoveSprite(POINT offset, int32_t depth);
    virtual void PlaceSprite(POINT point, int32_t depth);
    // Any element can ask its host to give another element the focus.
    virtual void FocusElement(FaceElement* element);
    virtual HCURSOR GetCursor();
    virtual void SetHost(FaceElement* host);
    virtual void OnMouseDown(POINT point);
    virtual void OnClick(POINT point);
    virtual void OnMouseMove(POINT point);
    virtual void OnKeyDown(WPARAM key, LPARAM flags);
    virtual void OnKeyUp(WPARAM key, LPARAM flags);
    virtual void OnChar(WPARAM character);
    // True when the element showed a menu of its own.
    virtual bool OnContextMenu(POINT point, Window* owner);
    virtual uint32_t GetKeyWants();
    virtual void ShowSprite(bool visible);
    virtual bool OnHighlightChanged(bool highlighted);
    virtual bool OnStateChanged(uint8_t state);
    virtual void SetText(const char* text);
    virtual void OnHoverChanged(bool hovered);
    virtual void OnPressedChanged(bool pressed);

    void SetSprite(SpriteHandle* holder) { sprite_ = holder; }
    SpriteHandle* GetSprite() const { return sprite_; }
    // Stores the state (0 disabled); on a change the result is OnStateChanged's, else true.
    bool SetState(uint8_t state);
    uint8_t GetState() const { return state_; }
    bool IsEnabled() const { return state_ != 0; }
    bool SetHighlight(bool highlighted);
    bool IsHighlighted() const { return highlight_; }
    // The element owns the action from now on; the one it had before is deleted.
    void SetAction(ElementAction* action);
    // What a click on the disabled element or its hot key does: tells the player why the
    // element does nothing now. The element owns it; without one a disabled element is
    // passed over.
    void SetRefusal(ElementAction* action);
    bool HasRefusal() const { return refusal_ != nullptr; }
    void InvokeRefusal();
    // The element owns the shape from now on; an owned shape it had before is deleted.
    void SetBehaviour(HitShape* shape);
    HitShape* GetShape() const { return shape_; }
    FaceElement* GetHost() const { return host_; }
    void SetHotKey(uint32_t key, uint32_t shiftFlags);
    bool MatchesHotKey(uint32_t key, uint32_t shiftFlags) const;
    void SetTextFrom(const std::string& text);
    // An 'anim' sprite of the asset in the element's own holder, which becomes its sprite.
    bool CreateDefaultSprite(uint32_t asset, const SpriteParent& parent);

    // Button pictures, frame 0 normal, 1 pressed, 2 disabled of sequence 0.
    void ShowButtonStateImage(bool enabled);
    void ShowButtonHighlightImage(bool pressed);

private:
    uint8_t state_ = 1;
    bool highlight_ = false;
    SpriteHandle* sprite_ = nullptr;
    FaceElement* host_ = nullptr;
    bool ownsShape_ = false;
    HitShape* shape_ = nullptr;
    std::unique_ptr<ElementAction> action_;
    std::unique_ptr<ElementAction> refusal_;
    uint32_t hotKey_ = 0;
    uint32_t hotKeyShift_ = 0;
    SpriteHandle ownSprite_;
};

// The part of a hosting window that keeps its face elements and routes the window's mouse,
// hover, capture, focus, hot keys and keys to them. Elements live in two lists: list 0 in
// window coordinates, list 1 in stage coordinates (window points plus the root camera's
// position). Earlier elements win where elements overlap; the host owns none of them.
// Attach the host to the hosting window (MessageTarget::Attach) and name that window its
// owner: the host binds the window messages it handles on itself.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "FaceElement.h"
#include "MessageTarget.h"
#include "SpriteParent.h"

class Window;

class ElementHost : public MessageTarget, public FaceElement {
public:
    static const int kWindowList = 0, kStageList = 1;

    ElementHost();
    ~ElementHost() override;

    void AddElement(FaceElement* element, bool windowCoordinates);
    // The first occurrence goes; references that named it become none.
    void RemoveElement(FaceElement* element, bool windowCoordinates);
    // Empties both lists and forgets focus, press and hover, without notifications.
    void ClearElements();
    void SetRootElement(CameraParent* root) { root_ = root; }
    void SetOwnerWindow(Window* owner) { owner_ = owner; }
    FaceElement* GetActiveElement() const { return focus_.element; }
    // Makes a listed element the focus (none when it is in no list), moving the highlight.
    void FocusElement(FaceElement* element) override;

    // The window messages bound on the host. (The key handlers carry "Message" in their
    // names: the element operations OnKeyDown, OnKeyUp and OnChar are the focus's.)
    using FaceElement::OnContextMenu;
    using FaceElement::OnMouseMove;
    LRESULT OnMouseMove(WPARAM keys, LPARAM position);
    LRESULT OnLButtonDown(WPARAM keys, LPARAM position);
    LRESULT OnLButtonUp(WPARAM keys, LPARAM position);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnSetCursor(WPARAM, LPARAM);
    int OnContextMenu(WPARAM window, LPARAM screenPoint, LRESULT* result);
    LRESULT OnKeyDownMessage(WPARAM key, LPARAM flags);
    LRESULT OnKeyUpMessage(WPARAM key, LPARAM flags);
    LRESULT OnCharMessage(WPARAM character, LPARAM);
    int OnSysKeyDown(WPARAM key, LPARAM flags, LRESULT* result);
    int OnSysKeyUp(WPARAM key, LPARAM flags, LRESULT* result);

private:
    // One element together with the list it is in, or none.
    struct ElementRef {
        FaceElement* element = nullptr;
        int list = kWindowList;
        explicit operator bool() const { return element != nullptr; }
        bool operator==(const ElementRef& other) const { return element == other.element; }
        bool operator!=(const ElementRef& other) const { return element != other.element; }
    };

    std::vector<FaceElement*>& List(int list) { return list == kWindowList ? windowList_ : stageList_; }
    ElementRef FindRef(FaceElement* element) const;
    bool IsListed(const ElementRef& ref) const;
    // The point as the element sees it: stage elements add the root camera's position.
    POINT ElementPoint(const ElementRef& ref, POINT window) const;
    bool HitTestRef(const ElementRef& ref, POINT window) const;
    ElementRef ElementUnderPoint(const ElementRef& hint, POINT window) const;
    // The first disabled element with a refusal under the point, or none.
    ElementRef RefusingUnderPoint(POINT window) const;
    // The old focus loses the highlight, the new one gets it.
    void SetFocusRef(const ElementRef& ref);
    void SetCursorOf(const ElementRef& ref);
    void TrackLeave();
    // After a leave, until the pointer moves over the window again: Wine sends no move for a
    // pointer that comes back from outside to the very point where it left the window, and
    // the element there would not know it is pointed at.
    void WatchForReturn(bool watch);
    static void CALLBACK OnReturnTimer(HWND window, UINT, UINT_PTR host, DWORD);
    void MouseMovePressed(POINT window);
    void MouseMoveHovering(POINT window);

    // Keyboard routing.
    bool RouteSpecialKey(WPARAM key) const;
    bool RouteHotKey(WPARAM key, bool shift);
    // Among the enabled elements, or else among the disabled ones with a refusal.
    ElementRef FindHotKey(uint32_t key, uint32_t shiftFlags, bool enabled) const;
    ElementRef NextElement(int step) const;
    void MoveFocus(int step) { SetFocusRef(NextElement(step)); }
    uint32_t FocusKeyWants() const;
    void KeyToFocus(WPARAM key, LPARAM flags);

    ElementRef focus_, pressed_, hover_;
    // The element the left button went down on, kept until the button comes up (a mouse
    // leave does not end it): only a release that ends a press on the element clicks.
    ElementRef buttonDown_;
    // The disabled element with a refusal that the left button went down on, where no
    // enabled element was: a release on it tells the player why it does nothing.
    ElementRef refusedDown_;
    std::vector<FaceElement*> windowList_;
    std::vector<FaceElement*> stageList_;
    CameraParent* root_ = nullptr;
    Window* owner_ = nullptr;
    HWND watched_ = nullptr;  // the window whose timer watches for the pointer's return
};

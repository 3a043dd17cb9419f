#include "ElementHost.h"

#include <commctrl.h>

#include <algorithm>

#include "Window.h"

namespace {
POINT PointOf(LPARAM lParam) { return POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}; }
HCURSOR ArrowCursor() { return LoadCursorA(nullptr, IDC_ARROW); }
}  // namespace

ElementHost::ElementHost() {
    BindMessage(WM_MOUSEMOVE, this, &ElementHost::OnMouseMove);
    BindMessage(WM_LBUTTONDOWN, this, &ElementHost::OnLButtonDown);
    // A second press soon after the first comes as a double-click (the windows' classes ask
    // for them): it presses once more, so that every click acts however quick it is.
    BindMessage(WM_LBUTTONDBLCLK, this, &ElementHost::OnLButtonDown);
    BindMessage(WM_LBUTTONUP, this, &ElementHost::OnLButtonUp);
    BindMessage(WM_MOUSELEAVE, this, &ElementHost::OnMouseLeave);
    BindMessage(WM_KEYDOWN, this, &ElementHost::OnKeyDownMessage);
    BindMessage(WM_KEYUP, this, &ElementHost::OnKeyUpMessage);
    BindDecidingMessage(WM_SYSKEYDOWN, this, &ElementHost::OnSysKeyDown);
    BindDecidingMessage(WM_SYSKEYUP, this, &ElementHost::OnSysKeyUp);
    BindMessage(WM_CHAR, this, &ElementHost::OnCharMessage);
    BindDecidingMessage(WM_CONTEXTMENU, this, &ElementHost::OnContextMenu);
    BindMessage(WM_SETCURSOR, this, &ElementHost::OnSetCursor);
}

ElementHost::~ElementHost() { WatchForReturn(false); }

void ElementHost::WatchForReturn(bool watch) {
    if (watched_) KillTimer(watched_, UINT_PTR(this));
    watched_ = nullptr;
    if (!watch || !owner_ || !owner_->GetHandle()) return;
    if (SetTimer(owner_->GetHandle(), UINT_PTR(this), 100, &ElementHost::OnReturnTimer)) watched_ = owner_->GetHandle();
}

void CALLBACK ElementHost::OnReturnTimer(HWND window, UINT, UINT_PTR host, DWORD) {
    POINT at = {};
    if (!GetCursorPos(&at) || WindowFromPoint(at) != window) return;
    reinterpret_cast<ElementHost*>(host)->WatchForReturn(false);
    ScreenToClient(window, &at);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

void ElementHost::AddElement(FaceElement* element, bool windowCoordinates) {
    List(windowCoordinates ? kWindowList : kStageList).push_back(element);
    element->SetHost(this);
}

void ElementHost::RemoveElement(FaceElement* element, bool windowCoordinates) {
    const int list = windowCoordinates ? kWindowList : kStageList;
    std::vector<FaceElement*>& elements = List(list);
    auto found = std::find(elements.begin(), elements.end(), element);
    if (found == elements.end()) return;
    elements.erase(found);
    for (ElementRef* ref : {&focus_, &pressed_, &hover_, &buttonDown_, &refusedDown_}) {
        if (ref->element == element && ref->list == list) *ref = ElementRef();
    }
}

void ElementHost::ClearElements() {
    windowList_.clear();
    stageList_.clear();
    focus_ = pressed_ = hover_ = buttonDown_ = refusedDown_ = ElementRef();
}

void ElementHost::FocusElement(FaceElement* element) { SetFocusRef(FindRef(element)); }

ElementHost::ElementRef ElementHost::FindRef(FaceElement* element) const {
    for (int list : {kWindowList, kStageList}) {
        const std::vector<FaceElement*>& elements = list == kWindowList ? windowList_ : stageList_;
        if (element && std::find(elements.begin(), elements.end(), element) != elements.end())
            return ElementRef{element, list};
    }
    return ElementRef();
}

bool ElementHost::IsListed(const ElementRef& ref) const {
    const std::vector<FaceElement*>& elements = ref.list == kWindowList ? windowList_ : stageList_;
    return ref && std::find(elements.begin(), elements.end(), ref.element) != elements.end();
}

POINT ElementHost::ElementPoint(const ElementRef& ref, POINT window) const {
    if (ref.list == kStageList && root_) return POINT{window.x + root_->x, window.y + root_->y};
    return window;
}

bool ElementHost::HitTestRef(const ElementRef& ref, POINT window) const {
    HitShape* shape = ref ? ref.element->GetShape() : nullptr;
    return shape && shape->HitTest(ElementPoint(ref, window));
}

ElementHost::ElementRef ElementHost::ElementUnderPoint(const ElementRef& hint, POINT window) const {
    if (hint && hint.element->IsEnabled() && HitTestRef(hint, window)) return hint;
    for (int list : {kWindowList, kStageList}) {
        for (FaceElement* element : list == kWindowList ? windowList_ : stageList_) {
            const ElementRef ref{element, list};
            if (element->IsEnabled() && HitTestRef(ref, window)) return ref;
        }
    }
    return ElementRef();
}

ElementHost::ElementRef ElementHost::RefusingUnderPoint(POINT window) const {
    for (int list : {kWindowList, kStageList}) {
        for (FaceElement* element : list == kWindowList ? windowList_ : stageList_) {
            const ElementRef ref{element, list};
            if (!element->IsEnabled() && element->HasRefusal() && HitTestRef(ref, window)) return ref;
        }
    }
    return ElementRef();
}

void ElementHost::SetFocusRef(const ElementRef& ref) {
    if (ref == focus_) return;
    const ElementRef old = focus_;
    focus_ = ref;
    if (old) old.element->SetHighlight(false);
    if (ref) ref.element->SetHighlight(true);
}

void ElementHost::SetCursorOf(const ElementRef& ref) { SetCursor(ref ? ref.element->GetCursor() : ArrowCursor()); }

void ElementHost::TrackLeave() {
    if (!owner_ || !owner_->GetHandle()) return;
    TRACKMOUSEEVENT track = {sizeof track, TME_CANCEL | TME_LEAVE, owner_->GetHandle(), 0};
    _TrackMouseEvent(&track);
    track.dwFlags = TME_LEAVE;
    _TrackMouseEvent(&track);
}

LRESULT ElementHost::OnLButtonDown(WPARAM, LPARAM position) {
    const POINT point = PointOf(position);
    const ElementRef hit = ElementUnderPoint(focus_, point);
    buttonDown_ = hit;
    refusedDown_ = hit ? ElementRef() : RefusingUnderPoint(point);
    if (hit) hit.element->OnMouseDown(ElementPoint(hit, point));
    if (hit && !IsListed(hit)) return 0;  // the element took itself away
    SetFocusRef(hit);
    if (hit) {
        if (owner_ && owner_->GetHandle()) SetCapture(owner_->GetHandle());
        hit.element->OnPressedChanged(true);
    }
    pressed_ = hit;
    return 0;
}

LRESULT ElementHost::OnLButtonUp(WPARAM, LPARAM position) {
    ReleaseCapture();
    const POINT point = PointOf(position);
    const ElementRef hit = ElementUnderPoint(focus_, point);
    const bool endsPress = buttonDown_ && hit == buttonDown_;
    const ElementRef refused = refusedDown_;
    buttonDown_ = pressed_ = refusedDown_ = ElementRef();
    if (!hit && refused && RefusingUnderPoint(point) == refused) {
        refused.element->InvokeRefusal();
        return 0;
    }
    if (!endsPress || hit != focus_) return 0;
    hit.element->OnClick(ElementPoint(hit, point));
    // The click's action may have taken the element away.
    if (IsListed(hit)) hit.element->OnPressedChanged(false);
    return 0;
}

LRESULT ElementHost::OnMouseMove(WPARAM, LPARAM position) {
    if (watched_) WatchForReturn(false);
    if (pressed_) {
        MouseMovePressed(PointOf(position));
    } else {
        MouseMoveHovering(PointOf(position));
    }
    return 0;
}

void ElementHost::MouseMovePressed(POINT window) {
    const ElementRef pressed = pressed_;
    const bool inside = HitTestRef(pressed, window);
    pressed.element->OnMouseMove(ElementPoint(pressed, window));
    if (!IsListed(pressed)) return;
    if (inside) {
        if (!hover_) pressed.element->OnHoverChanged(true);
        hover_ = pressed;
        pressed.element->OnPressedChanged(true);
        SetCursorOf(pressed);
    } else {
        hover_ = ElementRef();
        pressed.element->OnHoverChanged(false);
        pressed.element->OnPressedChanged(false);
        if (const ElementRef under = ElementUnderPoint(pressed, window)) SetCursorOf(under);
    }
}

void ElementHost::MouseMoveHovering(POINT window) {
    const ElementRef h = ElementUnderPoint(hover_, window);
    if (h == hover_) {
        if (h) h.element->OnMouseMove(window);
        return;
    }
    if (hover_) hover_.element->OnHoverChanged(false);
    hover_ = h;
    if (!h) return;
    TrackLeave();
    h.element->OnHoverChanged(true);
    h.element->OnMouseMove(window);
}

LRESULT ElementHost::OnMouseLeave(WPARAM, LPARAM) {
    const ElementRef hover = hover_;
    hover_ = pressed_ = ElementRef();
    if (hover) WatchForReturn(true);
    if (hover) hover.element->OnHoverChanged(false);
    return 0;
}

LRESULT ElementHost::OnSetCursor(WPARAM, LPARAM) {
    SetCursorOf(hover_);
    return TRUE;
}

int ElementHost::OnContextMenu(WPARAM, LPARAM screenPoint, LRESULT* result) {
    POINT point = PointOf(screenPoint);
    if (point.x == -1 && point.y == -1) GetCursorPos(&point);
    if (owner_ && owner_->GetHandle()) ScreenToClient(owner_->GetHandle(), &point);
    const ElementRef h = ElementUnderPoint(focus_, point);
    if (!h || !h.element->OnContextMenu(ElementPoint(h, point), owner_)) return kNotHandled;
    if (IsListed(h)) SetFocusRef(h);
    *result = 0;
    return kHandled;
}

// The keyboard side of the element host: keys for the focus element, hot keys, Tab and the
// arrows moving the focus, Return and Space acting.
#include "ElementHost.h"

namespace {
bool IsDown(int key) { return GetKeyState(key) < 0; }
bool IsArrow(WPARAM key) { return key >= VK_LEFT && key <= VK_DOWN; }
// Digits and letters: the keys that hot keys use.
bool IsHotKeyCandidate(WPARAM key) { return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'); }
const LPARAM kAltHeld = LPARAM(1) << 29;
}  // namespace

LRESULT ElementHost::OnKeyDownMessage(WPARAM key, LPARAM flags) {
    if (IsDown(VK_CONTROL) || IsDown(VK_MENU) || RouteSpecialKey(key)) {
        KeyToFocus(key, flags);
        return 0;
    }
    const bool shift = IsDown(VK_SHIFT);
    // A hot key is delivered once: as the action, not as a key to the focus as well.
    if (IsHotKeyCandidate(key) && !(FocusKeyWants() & kWantsCharacters) && RouteHotKey(key, shift)) return 0;
    switch (key) {
    case VK_TAB:
        MoveFocus(shift ? -1 : 1);
        break;
    case VK_LEFT:
    case VK_UP:
        MoveFocus(-1);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        MoveFocus(1);
        break;
    case VK_RETURN:
    case VK_SPACE:
        if (focus_ && focus_.element->IsEnabled()) focus_.element->InvokeAction();
        break;
    default:
        KeyToFocus(key, flags);
    }
    return 0;
}

// Tab and the arrows that the focus element takes itself.
bool ElementHost::RouteSpecialKey(WPARAM key) const {
    const uint32_t wants = FocusKeyWants();
    if (IsArrow(key)) return (wants & (kWantsArrows | kWantsTabArrows)) != 0;
    return key == VK_TAB && (wants & kWantsTabArrows) != 0;
}

bool ElementHost::RouteHotKey(WPARAM key, bool shift) {
    const ElementRef found = FindHotKey(uint32_t(key), shift ? kShift : 0, true);
    if (!found) {
        const ElementRef refusing = FindHotKey(uint32_t(key), shift ? kShift : 0, false);
        if (refusing) refusing.element->InvokeRefusal();
        return bool(refusing);
    }
    found.element->InvokeAction();
    // The action may have emptied the lists.
    if (IsListed(found)) SetFocusRef(found);
    return true;
}

ElementHost::ElementRef ElementHost::FindHotKey(uint32_t key, uint32_t shiftFlags, bool enabled) const {
    auto matches = [&](FaceElement* e) {
        return (enabled ? e->IsEnabled() : !e->IsEnabled() && e->HasRefusal()) && e->MatchesHotKey(key, shiftFlags);
    };
    if (focus_ && matches(focus_.element)) return focus_;
    for (int list : {kWindowList, kStageList}) {
        for (FaceElement* element : list == kWindowList ? windowList_ : stageList_) {
            if (matches(element)) return ElementRef{element, list};
        }
    }
    return ElementRef();
}

// The next (step 1) or previous (step -1) enabled element in the focus element's list,
// wrapping; the focus itself when the list has no other. Without a focus: the first
// enabled element of the stage list, or none.
ElementHost::ElementRef ElementHost::NextElement(int step) const {
    if (!focus_) {
        for (FaceElement* element : stageList_) {
            if (element->IsEnabled()) return ElementRef{element, kStageList};
        }
        return ElementRef();
    }
    const std::vector<FaceElement*>& elements = focus_.list == kWindowList ? windowList_ : stageList_;
    const int count = int(elements.size());
    int at = 0;
    while (at < count && elements[size_t(at)] != focus_.element) ++at;
    if (at == count) return focus_;
    for (int k = 1; k <= count; ++k) {
        FaceElement* element = elements[size_t(((at + step * k) % count + count) % count)];
        if (element->IsEnabled()) return ElementRef{element, focus_.list};
    }
    return focus_;
}

uint32_t ElementHost::FocusKeyWants() const { return focus_ ? focus_.element->GetKeyWants() : 0; }

void ElementHost::KeyToFocus(WPARAM key, LPARAM flags) {
    if (focus_) focus_.element->OnKeyDown(key, flags);
}

LRESULT ElementHost::OnKeyUpMessage(WPARAM key, LPARAM flags) {
    if (focus_) focus_.element->OnKeyUp(key, flags);
    return 0;
}

LRESULT ElementHost::OnCharMessage(WPARAM character, LPARAM) {
    if (focus_) focus_.element->OnChar(character);
    return 0;
}

// With Alt held the system keys belong to the menu bar; other system keys (F10) are keys.
int ElementHost::OnSysKeyDown(WPARAM key, LPARAM flags, LRESULT* result) {
    if (flags & kAltHeld) return kHandledWithDefault;
    *result = OnKeyDownMessage(key, flags);
    return kHandled;
}

int ElementHost::OnSysKeyUp(WPARAM key, LPARAM flags, LRESULT* result) {
    if (flags & kAltHeld) return kHandledWithDefault;
    *result = OnKeyUpMessage(key, flags);
    return kHandled;
}

#include "ScreenHost.h"

#include <algorithm>

#include "AppState.h"
#include "Application.h"
#include "Screen.h"
#include "ScreenErrorBox.h"
#include "ScreenNumbers.h"
#include "ScreenTable.h"
#include "StageSetup.h"
#include "ThreadSyncToken.h"
#include "Window.h"

ScreenHost::ScreenHost() = default;

ScreenHost::~ScreenHost() {
    // The screen may still remove its elements while it is deleted.
    if (ownsScreen_) delete screen_;
    screen_ = nullptr;
    elements_.ClearElements();
}

void ScreenHost::SetScreen(Window* view, const RECT& area, Screen* screen) {
    area_ = area;
    view_ = view;
    if (screen) {
        if (!BuildIncoming(screen, true)) throw 86;
        Install(screen);
        screen->OnEnter();
    }
    if (view) view->Attach(static_cast<MessageTarget*>(this));
    Attach(&elements_);
    elements_.SetOwnerWindow(view);
    BindMessage(kSwitchScreenMessage, this, &ScreenHost::SwitchToScreen);
}

void ScreenHost::ShowScreenNumber(Window* view, const RECT& area, int32_t number) {
    Screen* screen = CreateScreenByNumber(number);
    if (screen) screen->SetNumber(number);
    // Without a screen the view is still chained to the host, ready for a switch.
    SetScreen(view, area, screen);
}

void ScreenHost::EndScreen(int32_t number) {
    if (!CanEndScreen()) return;
    if (view_) view_->PostMessage(kSwitchScreenMessage, WPARAM(number), 0);
}

LRESULT ScreenHost::SwitchToScreen(WPARAM number, LPARAM) {
    Screen* next = CreateScreenByNumber(int32_t(number));
    if (!next) return 0;
    next->SetNumber(int32_t(number));
    try {
        if (!BuildIncoming(next, false)) return 0;
    } catch (...) {
        ReportScreenError();
        return 0;
    }
    Install(next);
    PutMenuOnMainWindow(next->GetMenuId());
    next->OnEnter();
    return 0;
}

bool ScreenHost::BuildIncoming(Screen* incoming, bool underToken) {
    std::vector<ElementEntry> previous;
    previous.swap(screenElements_);
    elements_.ClearElements();
    incoming->SetHost(this);
    bool built = false;
    try {
        if (underToken) {
            ThreadSyncToken token;
            built = incoming->CreateStage(view_, area_);
        } else {
            built = incoming->CreateStage(view_, area_);
        }
    } catch (...) {
        DropIncoming(incoming, std::move(previous));
        throw;
    }
    if (!built) DropIncoming(incoming, std::move(previous));
    return built;
}

void ScreenHost::DropIncoming(Screen* incoming, std::vector<ElementEntry> previous) {
    elements_.ClearElements();
    screenElements_.clear();
    delete incoming;
    for (const ElementEntry& entry : previous) AddElement(entry.first, entry.second);
    // The incoming camera had replaced the current one in the view's TV.
    if (screen_ && view_ && screen_->GetCamera().camera)
        PlugCameraIntoTv(view_->GetHandle(), 1, screen_->GetCamera().camera);
}

void ScreenHost::Install(Screen* screen) {
    if (screen_) elements_.Detach();
    if (ownsScreen_ && screen_ != screen) delete screen_;
    screen_ = screen;
    ownsScreen_ = true;
    elements_.Attach(screen);
    elements_.SetRootElement(&screen->GetCamera());
}

void ScreenHost::PutMenuOnMainWindow(int menuId) {
    Window* main = GetMainWindow();
    if (!main || !main->GetHandle()) return;
    HMENU menu = LoadMenuA(GetAppInstance(), MAKEINTRESOURCEA(menuId));
    if (!menu) return;
    HMENU old = GetMenu(main->GetHandle());
    SetMenu(main->GetHandle(), menu);
    // The menu taken off is not used again: it goes, or every switch would leak one.
    if (old && old != menu) DestroyMenu(old);
    DrawMenuBar(main->GetHandle());
}

void ScreenHost::OnResize() {
    if (screen_) screen_->OnResize();
}

bool ScreenHost::CanEndScreen() { return !screen_ || screen_->CanEnd(); }

void ScreenHost::AddElement(FaceElement* element, bool windowCoordinates) {
    elements_.AddElement(element, windowCoordinates);
    screenElements_.emplace_back(element, windowCoordinates);
}

void ScreenHost::RemoveElement(FaceElement* element, bool windowCoordinates) {
    elements_.RemoveElement(element, windowCoordinates);
    auto found = std::find(screenElements_.begin(), screenElements_.end(), ElementEntry(element, windowCoordinates));
    if (found != screenElements_.end()) screenElements_.erase(found);
}

void ScreenHost::FocusElement(FaceElement* element) { elements_.FocusElement(element); }

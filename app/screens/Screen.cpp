#include "Screen.h"

#include "ScreenHost.h"
#include "ScreenNumbers.h"
#include "StageSetup.h"
#include "Window.h"

Screen::~Screen() { DeleteStageAndCamera(stage_, camera_); }

bool Screen::CreateBackdrop(const RECT& area) { return SelectBlackBackdrop(stage_, area); }
int Screen::GetMenuId() { return kDefaultScreenMenuId; }
bool Screen::CanEnd() { return true; }
bool Screen::OnEnter() { return true; }
bool Screen::QueryArtHeight(int32_t*) { return false; }
bool Screen::QueryArtWidth(int32_t*) { return false; }
bool Screen::QueryTitle(std::string*) { return false; }
void Screen::OnResize() {}

bool Screen::CreateStage(Window* view, const RECT& area) {
    view_ = view;
    const bool ready = SetUpStage(stage_, camera_, view ? view->GetHandle() : nullptr, area,
                                  [this](const RECT& r) { return CreateBackdrop(r); });
    return ready && Build();
}

void Screen::AddElement(FaceElement* element, bool windowCoordinates) {
    if (host_) host_->AddElement(element, windowCoordinates);
}

void Screen::RemoveElement(FaceElement* element, bool windowCoordinates) {
    if (host_) host_->RemoveElement(element, windowCoordinates);
}

void Screen::AddKeyElement(FaceElement* element) {
    if (host_) host_->FocusElement(element);
}

void Screen::GoToScreen(int32_t number) {
    if (host_) host_->EndScreen(number);
}

void Screen::SetFocus(Window* window) {
    if (window) ::SetFocus(window->GetHandle());
}

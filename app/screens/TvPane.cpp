#include "TvPane.h"

#include "AppState.h"
#include "Screen.h"

namespace {
const char kTvWindowClass[] = "BraskQUOR_TV";
const DWORD kPaneStyle = 0x56000000;  // child, visible, clip siblings, clip children
}  // namespace

TvPane::TvPane(Window* parent, int32_t startNumber) : startNumber_(startNumber), parent_(parent) {
    CreateTvWindow();
}

TvPane::TvPane(Window* parent, Screen* startScreen) : startScreen_(startScreen), parent_(parent) {
    CreateTvWindow();
}

TvPane::~TvPane() { delete startScreen_; }

RECT TvPane::ParentClientRect() const {
    RECT client = {0, 0, 0, 0};
    if (parent_ && parent_->GetHandle()) GetClientRect(parent_->GetHandle(), &client);
    return client;
}

void TvPane::CreateTvWindow() {
    const RECT client = ParentClientRect();
    SetStyle(WS_CHILD);
    BindMessage(WM_SETCURSOR, this, &TvPane::ShowArrowCursor);
    BindMessage(WM_GETDLGCODE, this, &TvPane::WantAllKeys);
    BindMessage(WM_ACTIVATE, this, &TvPane::OnActivate);
    BindDecidingMessage(WM_SIZE, this, &TvPane::OnSizeMessage);
    HWND window = CreateWindowExA(0, kTvWindowClass, "", kPaneStyle, 0, 0, client.right, client.bottom,
                                  parent_ ? parent_->GetHandle() : nullptr, reinterpret_cast<HMENU>(kControlId),
                                  GetAppInstance(), nullptr);
    if (window && !Attach(window)) DestroyWindow(window);
    if (GetHandle()) ::SetFocus(GetHandle());
}

void TvPane::InstallScreen() {
    const RECT area = ParentClientRect();
    if (!startScreen_) {
        host_.ShowScreenNumber(this, area, startNumber_);
        return;
    }
    Screen* screen = startScreen_;
    // The host owns the screen from here on, and deletes it when it cannot be installed.
    startScreen_ = nullptr;
    host_.SetScreen(this, area, screen);
}

int TvPane::CanClose() { return host_.CanEndScreen() ? 1 : 0; }

LRESULT TvPane::ShowArrowCursor(WPARAM, LPARAM) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return 0;
}

LRESULT TvPane::WantAllKeys(WPARAM, LPARAM) { return DLGC_WANTALLKEYS; }

LRESULT TvPane::OnActivate(WPARAM, LPARAM window) {
    if (HWND(window) == GetHandle()) ::SetFocus(GetHandle());
    return 0;
}

int TvPane::OnSizeMessage(WPARAM, LPARAM, LRESULT*) {
    host_.OnResize();
    return kNotHandled;
}

#include "MachineToolWindow.h"

#include <algorithm>

#include "Application.h"
#include "ArtScrollBars.h"
#include "CaptionPainter.h"
#include "CloseBoxGlyph.h"
#include "MachineScreen.h"
#include "Quor2_5.h"
#include "Screen.h"
#include "ScreenTable.h"
#include "TvPane.h"

namespace {
const char kDefaultCaption[] = "Roverer'a Zidudar";

RECT WorkArea() {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}
}  // namespace

MachineToolWindow::MachineToolWindow(Window* anchor, int32_t screenNumber) : anchor_(anchor) {
    Screen* screen = CreateScreenByNumber(screenNumber);
    if (screen) screen->SetNumber(screenNumber);
    Adopt(screen);
}

MachineToolWindow::MachineToolWindow(Window* anchor, Screen* screen) : anchor_(anchor) { Adopt(screen); }

MachineToolWindow* MachineToolWindow::OpenMachine(Window* anchor, const std::string& machineFile) {
    return new MachineToolWindow(anchor, new MachineScreen(machineFile));
}

MachineToolWindow::~MachineToolWindow() {
    delete pane_;
    delete screen_;
}

void MachineToolWindow::Adopt(Screen* screen) {
    screen_ = screen;
    SetText(kDefaultCaption);
    SetStyle(kStyle);
    SetExStyle(kExStyle);
    SetRect(RECT{0, 0, kWidth, 600});
    std::string title;
    if (screen_ && screen_->QueryTitle(&title)) SetText(title);
    int32_t height = 0;
    // Only a screen that knows its art is scrolled over it.
    scrolls_ = screen_ && screen_->QueryArtHeight(&height);
    if (scrolls_) artHeight_ = height;
    int32_t width = 0;
    if (screen_ && screen_->QueryArtWidth(&width)) artWidth_ = width;
    FitToContent(anchor_);
    BindMessage(WM_ACTIVATE, this, &MachineToolWindow::OnActivate);
    BindMessage(WM_NCPAINT, this, &MachineToolWindow::OnNcPaint);
    BindMessage(WM_NCACTIVATE, this, &MachineToolWindow::OnNcActivate);
    BindMessage(WM_SETTEXT, this, &MachineToolWindow::OnSetText);
    BindMessage(WM_SYSCOMMAND, this, &MachineToolWindow::OnSysCommand);
    BindMessage(WM_NCLBUTTONDOWN, this, &MachineToolWindow::OnNcLButtonDown);
    BindMessage(WM_DISPLAYCHANGE, this, &MachineToolWindow::OnDisplayChange);
    BindMessage(WM_HSCROLL, this, &MachineToolWindow::OnHScroll);
    BindMessage(WM_VSCROLL, this, &MachineToolWindow::OnVScroll);
    BindMessage(WM_ENTERIDLE, this, &MachineToolWindow::OnEnterIdle);
}

int MachineToolWindow::Create() { return CreateTopLevel(anchor_); }

int MachineToolWindow::OnCreateScreen() {
    if (CaptionPainter* painter = GetCaptionPainter()) painter->SetTarget(this);
    delete pane_;
    // The pane owns the screen from here on (its host once it is installed).
    pane_ = new TvPane(this, screen_);
    screen_ = nullptr;
    pane_->InstallScreen();
    pane_->Show();
    return 1;
}

void MachineToolWindow::OnDestroy() {
    if (CaptionPainter* painter = GetCaptionPainter()) painter->SetTargetHandle(nullptr);
    delete pane_;
    pane_ = nullptr;
    ScreenWindow::OnDestroy();
}

int MachineToolWindow::CanClose() { return pane_ ? pane_->CanClose() : 1; }

void MachineToolWindow::ResizePane() {
    if (!pane_ || !GetHandle()) return;
    const SIZE art = {artWidth_, artHeight_};
    if (scrolls_) ArtScrollBars::Fit(GetHandle(), art, ViewCorner());
    RECT client;
    GetClientRect(GetHandle(), &client);
    // The screen lays its camera out again for the new size; the bars follow it.
    MoveWindow(pane_->GetHandle(), 0, 0, client.right, client.bottom, TRUE);
    if (!scrolls_) return;
    ArtScrollBars::Fit(GetHandle(), art, ViewCorner());
    PlaceView(ArtScrollBars::Position(GetHandle()));
}

POINT MachineToolWindow::ViewCorner() const {
    Screen* screen = pane_ ? pane_->GetHost().GetScreen() : nullptr;
    if (!screen) return POINT{0, 0};
    return POINT{screen->GetCamera().x, screen->GetCamera().y};
}

void MachineToolWindow::PlaceView(POINT at) {
    Screen* screen = pane_ ? pane_->GetHost().GetScreen() : nullptr;
    if (!screen || !screen->GetCamera().camera) return;
    if (at.x == screen->GetCamera().x && at.y == screen->GetCamera().y) return;
    if (!PlaceCamera(screen->GetCamera().camera, &at)) return;
    screen->GetCamera().x = at.x;
    screen->GetCamera().y = at.y;
}

void MachineToolWindow::FitToContent(Window* anchor) {
    const RECT work = WorkArea();
    const bool anchored = anchor && anchor->GetHandle();
    RECT around = work;
    if (anchored) GetWindowRect(anchor->GetHandle(), &around);
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const LONG frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
    // The vertical bar shows where the art is taller than the work area: it widens the window.
    const bool tooTall = scrolls_ && artHeight_ + frameHeight > work.bottom - work.top;
    // The window stays 600 wide where the art fits in that.
    const LONG width = std::max<LONG>(kWidth, artWidth_ + frameWidth + (tooTall ? GetSystemMetrics(SM_CXVSCROLL) : 0));
    RECT placed;
    placed.left = anchored ? around.right - kAnchorGap - width : work.left + (work.right - work.left - width) / 2;
    placed.left = std::max(std::min(placed.left, work.right - width), work.left);
    placed.right = std::min(placed.left + width, work.right);
    // The horizontal bar shows where the art is wider than the work area: it adds to the height.
    const bool tooWide = scrolls_ && placed.right - placed.left < width;
    const LONG height = artHeight_ + frameHeight + (tooWide ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    placed.top = around.top + (around.bottom - around.top - height) / 2;
    if (placed.top < work.top) placed.top = work.top;
    placed.bottom = placed.top + height;
    if (placed.bottom > work.bottom) placed.bottom = work.bottom;
    SetRect(placed);
    if (GetHandle())
        MoveWindow(GetHandle(), placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, TRUE);
    ResizePane();
}

void MachineToolWindow::PaintCaption() {
    if (CaptionPainter* painter = GetCaptionPainter()) painter->Paint(active_);
    if (GetHandle()) DrawCloseGlyph(GetHandle());
}

LRESULT MachineToolWindow::DefaultThenPaint(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcA(GetHandle(), message, wParam, lParam);
    PaintCaption();
    return result;
}

LRESULT MachineToolWindow::OnActivate(WPARAM state, LPARAM) {
    if (LOWORD(state) != WA_INACTIVE && pane_) ::SetFocus(pane_->GetHandle());
    return 0;
}

LRESULT MachineToolWindow::OnNcPaint(WPARAM w, LPARAM l) { return DefaultThenPaint(WM_NCPAINT, w, l); }

LRESULT MachineToolWindow::OnNcActivate(WPARAM active, LPARAM l) {
    const LRESULT result = DefWindowProcA(GetHandle(), WM_NCACTIVATE, active, l);
    active_ = active != 0;
    PaintCaption();
    return result;
}

LRESULT MachineToolWindow::OnSetText(WPARAM w, LPARAM l) { return DefaultThenPaint(WM_SETTEXT, w, l); }
LRESULT MachineToolWindow::OnSysCommand(WPARAM w, LPARAM l) { return DefaultThenPaint(WM_SYSCOMMAND, w, l); }
// A press on the close box let go outside it leaves the box as the system draws it.
LRESULT MachineToolWindow::OnNcLButtonDown(WPARAM w, LPARAM l) { return DefaultThenPaint(WM_NCLBUTTONDOWN, w, l); }

LRESULT MachineToolWindow::OnDisplayChange(WPARAM, LPARAM) {
    FitToContent(GetMainWindow());
    return 0;
}

// A box of the machine's (a refusal) waits for the player: the main window, which keeps
// this window above it, hears of it as of its own menus and dialogs.
LRESULT MachineToolWindow::OnEnterIdle(WPARAM reason, LPARAM modal) {
    if (HWND owner = GetWindow(GetHandle(), GW_OWNER)) ::SendMessageA(owner, WM_ENTERIDLE, reason, modal);
    return 0;
}

LRESULT MachineToolWindow::OnHScroll(WPARAM request, LPARAM) {
    PlaceView(ArtScrollBars::Scroll(GetHandle(), SB_HORZ, request));
    return 0;
}

LRESULT MachineToolWindow::OnVScroll(WPARAM request, LPARAM) {
    PlaceView(ArtScrollBars::Scroll(GetHandle(), SB_VERT, request));
    return 0;
}

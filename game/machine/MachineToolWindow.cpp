#include "MachineToolWindow.h"

#include "Application.h"
#include "CaptionPainter.h"
#include "MachineScreen.h"
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
    if (screen_ && screen_->QueryArtHeight(&height)) artHeight_ = height;
    FitToContent(anchor_);
    BindMessage(WM_ACTIVATE, this, &MachineToolWindow::OnActivate);
    BindMessage(WM_NCPAINT, this, &MachineToolWindow::OnNcPaint);
    BindMessage(WM_NCACTIVATE, this, &MachineToolWindow::OnNcActivate);
    BindMessage(WM_SETTEXT, this, &MachineToolWindow::OnSetText);
    BindMessage(WM_SYSCOMMAND, this, &MachineToolWindow::OnSysCommand);
    BindMessage(WM_DISPLAYCHANGE, this, &MachineToolWindow::OnDisplayChange);
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
    RECT client;
    GetClientRect(GetHandle(), &client);
    MoveWindow(pane_->GetHandle(), 0, 0, client.right, client.bottom, TRUE);
}

void MachineToolWindow::FitToContent(Window* anchor) {
    const RECT work = WorkArea();
    RECT around = work;
    if (anchor && anchor->GetHandle()) GetWindowRect(anchor->GetHandle(), &around);
    RECT placed;
    placed.left = anchor && anchor->GetHandle() ? around.right - kAnchorGap - kWidth
                                                : work.left + (work.right - work.left - kWidth) / 2;
    placed.right = placed.left + kWidth;
    RECT content = {0, 0, kWidth, artHeight_};
    AdjustWindowRectEx(&content, kStyle, FALSE, kExStyle);
    const LONG height = content.bottom - content.top;
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

LRESULT MachineToolWindow::OnDisplayChange(WPARAM, LPARAM) {
    FitToContent(GetMainWindow());
    return 0;
}

#include "GameWindow.h"

#include "FrameListeners.h"
#include "Quor2_5.h"
#include "ScreenSlots.h"
#include "SoundSystem.h"
#include "TvPane.h"

GameWindow::GameWindow(const char* commandLine, const RECT& rect) : commandLine_(commandLine ? commandLine : "") {
    SetRect(rect);
    SetStyle(0x82CA0000u & ~DWORD(WS_CLIPCHILDREN));  // CreateTopLevel adds WS_CLIPCHILDREN
    SetText("VELLMOOR(tm) Slots");
    SetMenuOrId(kGameMenuId);
}

GameWindow::~GameWindow() {
    delete mainView_;
    if (callbackSet_) SetFrameCallback(nullptr);
}

int GameWindow::OnCreate() {
    SetFrameRate(30);
    SetFrameCallback(OnEngineFrame);
    callbackSet_ = true;
    return 1;
}

void GameWindow::OnDestroy() {
    GetSoundSystem().Close();
    if (callbackSet_) {
        SetFrameCallback(nullptr);
        callbackSet_ = false;
    }
    PostQuitMessage(0);
}

int GameWindow::OnIdle() {
    DeleteParkedScreen();
    return FrameWindow::OnIdle();
}

void GameWindow::CreateMainView() {
    if (mainView_) return;
    GetSoundSystem().Open(GetHandle(), 22050, 16, 2);
    mainView_ = new TvPane(this, 0);
    mainView_->InstallScreen();
    mainView_->Show();
    SetFocus(mainView_->GetHandle());
}

void GameWindow::OnPaint(DCHolder& dc, const RECT& rect) {
    HBRUSH felt = CreateSolidBrush(RGB(0, 64, 32));
    FillRect(dc.Get(), &rect, felt);
    DeleteObject(felt);
}

// The lobby in a frame window of the main view's size, from the "lobbyAssets.ast" that the
// content generator put beside the test programs, with the engine's frame callback running
// the lobby's frame listener. The opener records what a click asks for.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "Application.h"
#include "FloorTestSupport.h"
#include "FrameListeners.h"
#include "GeneralSettings.h"
#include "LobbyMachineOpener.h"
#include "LobbyScreen.h"
#include "TestScreens.h"

struct RecordingOpener : LobbyMachineOpener {
    bool mayClose = true;
    int32_t opened = -1;
    int32_t denominationAtOpen = 0;
    RECT from = {};
    bool MayClose() override { return mayClose; }
    void Open(int32_t machine, const RECT& r) override {
        opened = machine;
        denominationAtOpen = GetDenominationSetting().Get();
        from = r;
    }
};

class LobbyHost {
public:
    LobbyHost() {
        MoveToTestProgramFolder();
        frame_ = MakeHostFrame(RECT{0, 0, 794, 556});
        SetMainWindow(frame_.get());
        previous_ = SetLobbyMachineOpener(&opener);
        lobby = new LobbyScreen(1);
        pane_ = std::make_unique<TvPane>(frame_.get(), lobby);
        pane_->InstallScreen();
        SetFrameRate(30);
        SetFrameCallback(OnEngineFrame);
    }
    ~LobbyHost() {
        SetFrameCallback(nullptr);
        pane_.reset();
        SetLobbyMachineOpener(previous_);
        SetMainWindow(nullptr);
        frame_.reset();
    }
    bool Installed() const { return pane_->GetHost().GetScreen() == lobby; }
    HWND View() const { return pane_->GetHandle(); }
    void Move(int x, int y) { SendMessageA(View(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Press(int x, int y) { SendMessageA(View(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Release(int x, int y) { SendMessageA(View(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    void Click(int x, int y) {
        Press(x, y);
        Release(x, y);
    }
    HWND Frame() const { return frame_->GetHandle(); }

    RecordingOpener opener;
    LobbyScreen* lobby = nullptr;

private:
    std::unique_ptr<HostFrame> frame_;
    std::unique_ptr<TvPane> pane_;
    LobbyMachineOpener* previous_ = nullptr;
};

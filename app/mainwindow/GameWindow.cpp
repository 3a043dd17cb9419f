#include "GameWindow.h"

#include "AppState.h"
#include "BuiltInMachines.h"
#include "CustomMachines.h"
#include "FrameListeners.h"
#include "GameMenuIds.h"
#include "Quor2_5.h"
#include "ScreenSlots.h"
#include "SoundSystem.h"
#include "SystemInfo.h"
#include "TvPane.h"

GameWindow::GameWindow(char* commandLine, const RECT& rect) : commandLine_(commandLine) {
    SetRect(rect);
    SetStyle(0x82CA0000u & ~DWORD(WS_CLIPCHILDREN));  // CreateTopLevel adds WS_CLIPCHILDREN
    SetText("Vellmoor(tm) Slots");
    SetMenuOrId(kGameMenuId);  // loaded by CreateTopLevel
    SetBaseDirectoryToCurrent();
    baseDirectory_ = GetBaseDirectory();
    BindCommands();
    BindMessage(WM_LBUTTONDOWN, this, &GameWindow::IgnoreMessage);
    BindMessage(WM_RBUTTONDOWN, this, &GameWindow::IgnoreMessage);
    BindMessage(WM_SETFOCUS, this, &GameWindow::OnSetFocus);
    BindMessage(WM_ACTIVATEAPP, this, &GameWindow::OnActivateApp);
    BindMessage(WM_INITMENU, this, &GameWindow::OnInitMenu);
    BindMessage(kLobbyEnteredMessage, this, &GameWindow::OnLobbyEntered);
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) {
        BindCommand(int(kBuiltInMachines[i].command), this, &GameWindow::OnPlayMachine);
        machineCommands_[kBuiltInMachines[i].command] = kBuiltInMachines[i].number;
    }
}

void GameWindow::BindCommands() {
    BindCommand(ID_EXIT, this, &GameWindow::OnExit);
    BindCommand(ID_COMPILE_SCRIPT, this, &GameWindow::OnCompileScript);
    BindCommand(ID_ABOUT, this, &GameWindow::OnAbout);
    BindCommand(ID_EDIT_MACHINE, this, &GameWindow::OnEditMachine);
    BindCommand(ID_CALCULATE_PAYOUT, this, &GameWindow::OnCalculatePayout);
    BindCommand(ID_FRONT_DESK, this, &GameWindow::OnFrontDesk);
    BindCommand(ID_MILESTONE_NOTES, this, &GameWindow::OnMilestoneNotes);
    BindCommand(ID_VIRADU_DOCS, this, &GameWindow::OnViraduDocs);
    BindCommand(ID_CREATE_MACHINE, this, &GameWindow::OnCreateMachine);
    BindCommand(ID_OPTIONS, this, &GameWindow::OnOptions);
    BindCommand(ID_LOBBY, this, &GameWindow::OnLobby);
    BindCommand(ID_HELP_CONTENTS, this, &GameWindow::OnHelpContents);
}

GameWindow::~GameWindow() {
    if (helpUsed_) WinHelpA(GetHandle(), "vsl.hlp", HELP_QUIT, 0);
    DeleteParkedScreen();
    if (callbackSet_) SetFrameCallback(nullptr);
    DestroyEditor();
    delete mainView_;
}

int GameWindow::OnCreate() {
    SetCurrentDirectoryA(baseDirectory_.c_str());
    ScanCustomMachines();
    SetFrameRate(30);
    SetFrameCallback(OnEngineFrame);
    callbackSet_ = true;
    return 1;
}

void GameWindow::OnDestroy() {
    if (callbackSet_) {
        SetFrameCallback(nullptr);
        callbackSet_ = false;
    }
    GetSoundSystem().Close();
    if (Window* screen = GetCurrentScreen())
        if (screen->GetHandle()) screen->Destroy();
    DestroyEditor();
    PostQuitMessage(0);
}

void GameWindow::OnSize(UINT, int, int) { InvalidateAll(); }

void GameWindow::OnPaint(DCHolder&, const RECT&) {}

int GameWindow::OnEraseBackground(DCHolder& dc) {
    RECT client;
    GetClientRect(GetHandle(), &client);
    PatBlt(dc.Get(), client.left, client.top, client.right - client.left, client.bottom - client.top, BLACKNESS);
    return 1;
}

int GameWindow::OnIdle() {
    DeleteParkedScreen();
    KeepOwnedWindowsAbove();
    return GetApplicationActive() == 0;
}

int GameWindow::CanClose() {
    if (!mainView_ && !editor_) return 1;
    if (editor_ && !editor_->CanClose()) return 0;
    if (mainView_ && !mainView_->CanClose()) return 0;
    if (!CloseCurrentScreen()) return 0;
    DestroyEditor();
    delete mainView_;
    mainView_ = nullptr;
    return 1;
}

void GameWindow::CreateMainView() {
    if (mainView_) return;
    GetSoundSystem().Open(GetHandle(), 22050, 16, 2);
    mainView_ = new TvPane(this, 0);
    mainView_->InstallScreen();
    mainView_->Show();
    SetFocus(mainView_->GetHandle());
}

bool GameWindow::CloseEditor() {
    if (!editor_) return true;
    if (!editor_->CanClose()) return false;
    DestroyEditor();
    return true;
}

void GameWindow::DestroyEditor() {
    if (!editor_) return;
    if (editor_->GetHandle()) editor_->Destroy();
    delete editor_;
    editor_ = nullptr;
}

const char* GameWindow::GetBuiltInScript(int32_t number) { return FindBuiltInScript(number); }

LRESULT GameWindow::OnSetFocus(WPARAM, LPARAM) {
    if (mainView_) SetFocus(mainView_->GetHandle());
    return 0;
}

namespace {
bool IsAbove(HWND window, HWND other) {
    for (HWND above = GetWindow(other, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
        if (above == window) return true;
    return false;
}
}  // namespace

// The screen window and the editor float over the main window, which owns them; Wine's X
// driver without a window manager raises a clicked main window over them all the same,
// and a tool window has no taskbar button to get it back: whenever the game is idle, they
// go back just above it.
void GameWindow::KeepOwnedWindowsAbove() {
    for (Window* owned : {GetCurrentScreen(), static_cast<Window*>(editor_)}) {
        HWND window = owned ? owned->GetHandle() : nullptr;
        if (!window || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != GetHandle()) continue;
        if (IsAbove(window, GetHandle())) continue;
        HWND above = GetWindow(GetHandle(), GW_HWNDPREV);
        SetWindowPos(window, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

LRESULT GameWindow::OnActivateApp(WPARAM active, LPARAM) {
    if (active && editor_ && editor_->GetHandle()) SetActiveWindow(editor_->GetHandle());
    return 0;
}

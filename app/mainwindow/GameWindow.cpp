#include "GameWindow.h"

#include "AppState.h"
#include "BuiltInMachines.h"
#include "CustomMachines.h"
#include "FrameListeners.h"
#include "GameMenuIds.h"
#include "OwnedWindowStacking.h"
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
    BindMessage(WM_ENTERIDLE, this, &GameWindow::OnEnterIdle);
    BindMessage(WM_ENTERMENULOOP, this, &GameWindow::OnEnterMenuLoop);
    BindMessage(WM_EXITMENULOOP, this, &GameWindow::OnExitMenuLoop);
    BindMessage(WM_TIMER, this, &GameWindow::OnStackingTimer);
    BindMessage(kLobbyEnteredMessage, this, &GameWindow::OnLobbyEntered);
    BindMessage(WM_SETTEXT, this, &GameWindow::OnSetText);
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
    SetTimer(GetHandle(), kStackingTimer, kStackingPeriod, nullptr);
    title_.SetTarget(GetHandle());
    titleKept_ = true;
    return 1;
}

LRESULT GameWindow::OnSetText(WPARAM, LPARAM text) {
    if (!titleKept_) return DefWindowProcA(GetHandle(), WM_SETTEXT, 0, text);
    return title_.SetTitle(reinterpret_cast<const char*>(text));
}

void GameWindow::OnDestroy() {
    titleKept_ = false;
    title_.SetTarget(nullptr);
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
    raised_ = 0;  // the menus and dialogs are over
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

// The screen window and the editor float over the main window, which owns them; Wine's X
// driver without a window manager raises a clicked main window over them all the same,
// and a tool window has no taskbar button to get it back: whenever the game is idle, they
// go back above it.
void GameWindow::KeepOwnedWindowsAbove() {
    for (HWND window : OwnedWindows()) {
        if (IsAboveInZOrder(window, GetHandle())) continue;
        HWND above = GetWindow(GetHandle(), GW_HWNDPREV);
        SetWindowPos(window, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

std::vector<HWND> GameWindow::OwnedWindows() const {
    std::vector<HWND> windows;
    for (Window* owned : {GetCurrentScreen(), static_cast<Window*>(editor_)}) {
        HWND window = owned ? owned->GetHandle() : nullptr;
        if (window && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == GetHandle()) windows.push_back(window);
    }
    return windows;
}

LRESULT GameWindow::OnEnterMenuLoop(WPARAM, LPARAM) {
    menuOpen_ = true;
    return 0;
}

LRESULT GameWindow::OnExitMenuLoop(WPARAM, LPARAM) {
    menuOpen_ = false;
    return 0;
}

// Sent by the menu and dialog loops to the owner of the menu or dialog (in the lParam; none
// for a menu) when they wait for input. On the display the main window may lie over its
// windows while the z-order says otherwise: they are raised over it, and the menu or dialog
// over them.
LRESULT GameWindow::OnEnterIdle(WPARAM reason, LPARAM window) {
    HWND modal = HWND(window);
    if (!modal && reason == MSGF_MENU) modal = FindThreadMenu();
    RaiseOwnedWindowsFor(modal);
    return 0;
}

// Message boxes send no WM_ENTERIDLE, and a menu sends it only as it opens: while a menu is
// open, or a box or dialog keeps the main window or a window it owns disabled, the timer
// raises them for it. Where the main window lies over one of them in the z-order, they are
// raised again, whatever was done before.
LRESULT GameWindow::OnStackingTimer(WPARAM id, LPARAM) {
    if (id != kStackingTimer) return 0;
    HWND modal = OpenModal();
    if (!modal) return 0;
    for (HWND owned : OwnedWindows())
        if (IsAboveInZOrder(GetHandle(), owned)) raised_ = 0;
    RaiseOwnedWindowsFor(modal);
    return 0;
}

HWND GameWindow::OpenModal() const {
    if (menuOpen_) return FindThreadMenu();
    std::vector<HWND> ours = OwnedWindows();
    ours.push_back(GetHandle());
    bool modalOpen = false;
    for (HWND window : ours) modalOpen = modalOpen || !IsWindowEnabled(window);
    if (!modalOpen) return nullptr;
    // The active window is none while another program has the foreground: the box is then
    // found among this thread's windows.
    HWND modal = GetActiveWindow();
    if (!modal || modal == GetHandle()) modal = FindThreadModal(ours);
    return modal;
}

// Twice: the activation of a new box may still raise the main window after the first time.
// Each activation of the game starts the count again (OnActivateApp).
void GameWindow::RaiseOwnedWindowsFor(HWND modal) {
    if (raised_ == 0 || modal != raisedFor_) raised_ = 0;
    if (raised_ >= 2) return;
    ++raised_;
    raisedFor_ = modal;
    for (HWND owned : OwnedWindows()) RaiseOverOwner(owned, modal);
}

// The game made active again while a menu or dialog waits (another program had the
// foreground) activates the main window, which Wine may raise on the display over its
// windows: they are raised again.
LRESULT GameWindow::OnActivateApp(WPARAM active, LPARAM) {
    if (active) raised_ = 0;
    if (active && editor_ && editor_->GetHandle()) SetActiveWindow(editor_->GetHandle());
    return 0;
}

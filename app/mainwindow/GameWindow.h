// The game's main window: a frame window of the main class with a 794 by 556 client
// area, filled by the main view (a TV pane that shows the numbered screens). It binds the
// commands of the game's menus, owns the machine editor while one is open, builds the
// Custom submenu of the lobby's Game menu and offers a machine file named on the command
// line when the lobby is entered. It drives the engine's frame callback while it exists
// and ends the program when it is destroyed. Its text is the title its screens give it,
// followed by the current player's name and cash.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "FrameWindow.h"
#include "PlayerTitle.h"
#include "ScreenNumbers.h"

class TvPane;

// The menu resource of the main window until the first screen puts its own.
const int kGameMenuId = kSplashMenuId;
// Posted by the lobby to the main window each time it is entered.
const UINT kLobbyEnteredMessage = 1338;

class GameWindow : public FrameWindow {
public:
    GameWindow(char* commandLine, const RECT& rect);
    ~GameWindow() override;

    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int width, int height) override;
    void OnPaint(DCHolder& dc, const RECT& rect) override;
    int OnIdle() override;
    int CanClose() override;
    int WantsDialogMessages() override { return 0; }
    int OnEraseBackground(DCHolder& dc) override;

    // Makes the main view over the client area and shows the first screen (number 0) in it.
    virtual void CreateMainView();
    TvPane* GetMainView() const { return mainView_; }
    Window* GetEditor() const { return editor_; }
    // True when there is no editor or it agreed to close (it is then gone).
    bool CloseEditor();

    // The script file of a built-in machine number; null for other numbers.
    static const char* GetBuiltInScript(int32_t number);

    // Command handlers (id, notification code).
    void OnExit(int, int);
    void OnCompileScript(int, int);
    void OnAbout(int, int);
    void OnEditMachine(int, int);
    void OnCalculatePayout(int, int);
    void OnFrontDesk(int, int);
    void OnMilestoneNotes(int, int);
    void OnViraduDocs(int, int);
    void OnCreateMachine(int, int);
    void OnOptions(int, int);
    void OnLobby(int, int);
    void OnHelpContents(int, int);
    void OnPlayMachine(int id, int);
    void OnPlayCustomMachine(int id, int);

    // Message handlers.
    LRESULT IgnoreMessage(WPARAM, LPARAM) { return 0; }
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnActivateApp(WPARAM active, LPARAM);
    void KeepOwnedWindowsAbove();
    LRESULT OnEnterIdle(WPARAM reason, LPARAM window);
    LRESULT OnStackingTimer(WPARAM id, LPARAM);
    LRESULT OnEnterMenuLoop(WPARAM, LPARAM);
    LRESULT OnExitMenuLoop(WPARAM, LPARAM);
    // The owned windows over this one and the menu or dialog over them, twice for each, and
    // twice again after each activation of the game.
    void RaiseOwnedWindowsFor(HWND modal);
    static constexpr UINT_PTR kStackingTimer = 0x5354;
    static constexpr UINT kStackingPeriod = 300;  // milliseconds
    // The screen window and the editor, where they are shown and owned by this window.
    std::vector<HWND> OwnedWindows() const;
    LRESULT OnInitMenu(WPARAM menu, LPARAM);
    LRESULT OnLobbyEntered(WPARAM, LPARAM);
    // A new title: kept, and written with the player after it.
    LRESULT OnSetText(WPARAM, LPARAM text);

private:
    void BindCommands();
    // The menu open in this thread, or the box or dialog that keeps this window or a window
    // it owns disabled; none when there is neither.
    HWND OpenModal() const;
    // Ends the main view's screen for the number when the screen window agrees to close.
    void EndMainViewScreen(int32_t number);
    // Opens the machine screen window for the number, zoomed from the client centre.
    void PlayMachine(int32_t number);
    void FillCustomMenu(HMENU popup);
    void OfferCommandLineMachine(const std::string& commandLine);
    void DestroyEditor();
    bool HelpContents(const char* file);

    TvPane* mainView_ = nullptr;
    Window* editor_ = nullptr;
    std::map<uint32_t, int32_t> machineCommands_;
    std::string editFolder_;
    std::string compileFolder_;
    std::string baseDirectory_;
    bool helpUsed_ = false;
    char* commandLine_;
    bool callbackSet_ = false;
    int raised_ = 0;            // times the owned windows were raised in the modal loop under way
    HWND raisedFor_ = nullptr;  // for this menu or dialog
    bool menuOpen_ = false;     // between WM_ENTERMENULOOP and WM_EXITMENULOOP
    PlayerTitle title_;         // the window's text, while the window exists
    bool titleKept_ = false;
};

// The game's main window: a frame window of the main class with a 794 by 556 client
// area. It drives the engine's frame callback while it exists and ends the program when
// it is destroyed. Its client area is filled by the main view, a TV pane that shows the
// numbered screens.
#pragma once
#include <string>

#include "FrameWindow.h"

class TvPane;

// The menu resource of the main window; 0 while the program has none.
const int kGameMenuId = 0;

class GameWindow : public FrameWindow {
public:
    GameWindow(const char* commandLine, const RECT& rect);
    ~GameWindow() override;

    int OnCreate() override;
    void OnDestroy() override;
    // Deletes the parked screen window on every idle pass, then the frame window's rule.
    int OnIdle() override;

    // Makes the main view over the client area and shows the first screen (number 0) in it.
    virtual void CreateMainView();
    TvPane* GetMainView() const { return mainView_; }
    // Until the main view covers the client area, it is painted in the casino's green.
    void OnPaint(DCHolder& dc, const RECT& rect) override;

    const std::string& GetCommandLineText() const { return commandLine_; }

private:
    std::string commandLine_;
    bool callbackSet_ = false;
    TvPane* mainView_ = nullptr;
};

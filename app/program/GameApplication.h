// The game's application object: the main window is the game window, and the 1 ms timer
// resolution raised at start is ended with it.
#pragma once
#include "Application.h"

class GameApplication : public Application {
public:
    using Application::Application;
    ~GameApplication() override;

    // Null when the screen is below 800 x 600 in both directions.
    Window* CreateMainWindow() override;
    HBRUSH GetBackgroundBrush() override { return nullptr; }
    void OnMainWindowCreated(Window* window) override;
};

// The window rectangle of the main window for a screen and work area: a 794 by 556 client
// area, clipped to the work area and centred in it. False when the screen is too small.
bool ComputeMainWindowRect(int screenWidth, int screenHeight, const RECT& workArea, bool withMenu,
                           RECT* windowRect);

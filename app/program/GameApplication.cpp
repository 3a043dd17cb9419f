#include "GameApplication.h"

#include <mmsystem.h>

#include "AppState.h"
#include "GameWindow.h"
#include "IntroMovie.h"
#include "SplashScreen.h"

GameApplication::~GameApplication() { timeEndPeriod(1); }

bool ComputeMainWindowRect(int screenWidth, int screenHeight, const RECT& workArea, bool withMenu,
                           RECT* windowRect) {
    if (screenWidth < 800 && screenHeight < 600) return false;
    RECT frame = {0, 0, 794, 556};
    AdjustWindowRect(&frame, 0x82CA0000u, withMenu ? TRUE : FALSE);
    const int workWidth = workArea.right - workArea.left;
    const int workHeight = workArea.bottom - workArea.top;
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    if (width > workWidth) width = workWidth;
    if (height > workHeight) height = workHeight;
    windowRect->left = (workWidth - width) / 2;
    windowRect->top = (workHeight - height) / 2;
    windowRect->right = windowRect->left + width;
    windowRect->bottom = windowRect->top + height;
    return true;
}

Window* GameApplication::CreateMainWindow() {
    RECT workArea = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT rect;
    if (!ComputeMainWindowRect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), workArea,
                               FindResourceA(GetAppInstance(), MAKEINTRESOURCEA(kGameMenuId), RT_MENU) != nullptr,
                               &rect))
        return nullptr;
    auto* window = new GameWindow(commandLine_, rect);
    gameWindow_ = window;
    SetMainWindow(window);
    return window;
}

void GameApplication::OnMainWindowCreated(Window* window) {
    window->Show();
    SetFocus(window->GetHandle());
    // The intro movie plays first; it goes only once the main view shows the splash screen,
    // since its no-movie thread may still be waiting.
    IntroMovie intro;
    if (!intro.Run(window)) return;
    window->Repaint();
    InstallIntroScreens();
    if (auto* game = dynamic_cast<GameWindow*>(window)) game->CreateMainView();
}

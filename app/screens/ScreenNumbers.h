// The numbers of the screens the main view shows, the menu resources they put on the main
// window, and the private message that switches the main view.
#pragma once
#include <cstdint>

const int32_t kSplashScreenNumber = 0;
const int32_t kLobbyScreenNumber = 1;
const int32_t kFrontDeskScreenNumber = 2;
const int32_t kCreditsScreenNumber = 25;

const int kDefaultScreenMenuId = 102;
const int kSplashMenuId = 103;
const int kLobbyMenuId = 104;
const int kFrontDeskMenuId = 118;
const int kCreditsMenuId = 129;

// Posted to the main view's window: switch to the screen number in wParam.
const unsigned kSwitchScreenMessage = 2383;

#include "FloorScreens.h"

#include "DoneMachineScreen.h"
#include "FrontDeskScreen.h"
#include "LobbyScreen.h"
#include "ScreenNumbers.h"
#include "ScreenTable.h"
#include "SplashScreen.h"

namespace {
const NumberedScreen kFloorScreens[] = {{kSplashScreenNumber, &SplashScreen::Make},
                                        {kLobbyScreenNumber, &LobbyScreen::Make},
                                        {kFrontDeskScreenNumber, &FrontDeskScreen::Make},
                                        {-1, nullptr}};
}

void InstallFloorScreens() {
    ScreenMakers makers = GetScreenMakers();
    makers.table = kFloorScreens;
    makers.credits = &DoneMachineScreen::Make;
    SetScreenMakers(makers);
}

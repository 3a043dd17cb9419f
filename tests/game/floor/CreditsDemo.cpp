// The credits on the display for a screenshot: the game window's About command switches
// its main view to the credits machine. It writes the file named first once frames have
// been shown, and ends after the milliseconds given second.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "Application.h"
#include "DoneMachineScreen.h"
#include "FloorTestSupport.h"
#include "GameMenuIds.h"
#include "GameWindow.h"
#include "PlayFace.h"
#include "ScreenHost.h"
#include "TestScreens.h"
#include "TvPane.h"

int main(int argc, char** argv) {
    const char* readyFile = argc > 1 ? argv[1] : nullptr;
    const DWORD lifetime = argc > 2 ? DWORD(std::atoi(argv[2])) : 6000;
    MoveToTestProgramFolder();
    RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");
    TestScreenTable table;
    ScreenMakers makers = GetScreenMakers();
    makers.credits = &DoneMachineScreen::Make;
    SetScreenMakers(makers);
    SetMachineFaceMaker(&MakePlayFace);
    RegisterMainWindowClass(nullptr);
    static char commandLine[1] = "";
    auto* game = new GameWindow(commandLine, RECT{0, 0, 794, 556});
    SetMainWindow(game);
    if (!game->Create()) return 1;
    game->Show();
    game->CreateMainView();
    game->SendMessage(WM_COMMAND, ID_ABOUT, 0);
    RunDemo(lifetime, readyFile, [&] {
        Screen* shown = game->GetMainView()->GetHost().GetScreen();
        auto* credits = dynamic_cast<DoneMachineScreen*>(shown);
        return "credits " + std::string(credits ? "shown" : "missing") + " screen " +
               std::to_string(shown ? shown->GetNumber() : -1) + " title '" + game->GetText() + "'";
    });
    game->Destroy();
    delete game;
    SetMainWindow(nullptr);
    return 0;
}

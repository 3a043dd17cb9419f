// The game's main window with the program's menus: the main view shows a test screen and
// the lobby's menu bar is put on the window. The file named on the command line is written
// once that is on screen; the program ends after the number of milliseconds given second.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "CDFolders.h"
#include "GameApplication.h"
#include "GameWindow.h"
#include "ScreenHost.h"
#include "ScreenNumbers.h"
#include "TestScreens.h"
#include "TvPane.h"

namespace {
std::string readyFile;
int step = 0;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    auto* game = dynamic_cast<GameWindow*>(GetMainWindow());
    if (!game || !game->GetMainView()) return;
    if (++step == 1) {
        game->GetMainView()->GetHost().EndScreen(1);
    } else if (step == 2) {
        HMENU old = GetMenu(game->GetHandle());
        SetMenu(game->GetHandle(), LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kLobbyMenuId)));
        if (old) DestroyMenu(old);
        DrawMenuBar(game->GetHandle());
    } else if (step == 3) {
        if (FILE* f = std::fopen(readyFile.c_str(), "w")) {
            std::fprintf(f, "menu items %d\n", GetMenuItemCount(GetMenu(game->GetHandle())));
            std::fclose(f);
        }
    }
}

void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }
}  // namespace

int main(int argc, char** argv) {
    readyFile = argc > 1 ? argv[1] : "main_window_demo_ready.txt";
    const UINT lifetime = argc > 2 ? UINT(std::atoi(argv[2])) : 8000;
    TestScreenTable table;
    Plans()[0].colour = RGB(0, 0, 0);
    Plans()[0].text = "Test screen 0";
    Plans()[1].colour = RGB(0, 64, 128);
    Plans()[1].text = "The lobby's menu bar";
    static char line[1] = "";
    GameApplication application(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), line);
    SetApplication(&application);
    SetTimer(nullptr, 0, 700, OnTimer);
    SetTimer(nullptr, 0, lifetime, OnEnd);
    // No one answers a CD prompt here: without the CD's movie the demo goes on without it.
    SetSkippingCD(true);
    const int result = application.Run();
    SetApplication(nullptr);
    return result;
}

// The game's main window with test screens in its main view: it starts on screen 0, the
// main view switches to screen 1, then screen 2 opens in a screen window with the zoom from
// the centre of the main view. The file named on the command line is written once all of
// that is on screen; the program ends after the number of milliseconds given second.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "CDFolders.h"
#include "GameApplication.h"
#include "GameWindow.h"
#include "ScreenSlots.h"
#include "ShowScreen.h"
#include "TestScreens.h"

namespace {
std::string readyFile;
int step = 0;

void Plan() {
    Plans()[0].colour = RGB(0, 0, 0);
    Plans()[0].text = "Test screen 0";
    Plans()[1].colour = RGB(0, 64, 128);
    Plans()[1].text = "Main view: test screen 1";
    Plans()[2].colour = RGB(160, 48, 0);
    Plans()[2].text = "Screen window: test screen 2";
}

void NextStep(GameWindow* game) {
    ++step;
    if (step == 1) {
        game->GetMainView()->GetHost().EndScreen(1);
    } else if (step == 2) {
        RECT client;
        GetClientRect(game->GetHandle(), &client);
        ShowScreenZoomed(2, RECT{client.right / 2, client.bottom / 2, client.right / 2, client.bottom / 2});
    } else if (step == 4) {
        if (FILE* f = std::fopen(readyFile.c_str(), "w")) {
            std::fprintf(f, "main view screen %d\n", game->GetMainView()->GetHost().GetScreen()->GetNumber());
            // The screen window's client area on the display, as a geometry WxH+X+Y.
            Window* window = GetCurrentScreen();
            RECT client = {0, 0, 0, 0};
            if (window && window->GetHandle()) GetClientRect(window->GetHandle(), &client);
            POINT origin = {0, 0};
            if (window && window->GetHandle()) ClientToScreen(window->GetHandle(), &origin);
            std::fprintf(f, "screen window %ldx%ld+%ld+%ld\n", client.right, client.bottom, origin.x, origin.y);
            std::fclose(f);
        }
    }
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    auto* game = dynamic_cast<GameWindow*>(GetMainWindow());
    if (!game || !game->GetMainView()) return;
    try {
        NextStep(game);
    } catch (...) {
        PostQuitMessage(3);
    }
}

void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }
}  // namespace

int main(int argc, char** argv) {
    readyFile = argc > 1 ? argv[1] : "screen_demo_ready.txt";
    const UINT lifetime = argc > 2 ? UINT(std::atoi(argv[2])) : 8000;
    TestScreenTable table;
    Plan();
    ScreenWindowMakers makers;
    makers.byNumber = [](Window*, int32_t number) -> ScreenWindow* { return new TestScreenWindow(number); };
    SetScreenWindowMakers(makers);
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

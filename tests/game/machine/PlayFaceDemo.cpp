// A machine played on the display through the play face: Glass Harbor with a machine
// script of its own is built and opened in the screen tool window, ten quarters are
// bought, Spin is pressed with the draws chosen so that every reel stops on a Bell, and
// once the reels are still the file named on the command line gets the caption, the
// "Credit", "Bet" and "WinnerPaid" meters and the script's "Tally" indicator.
// The player's money lives in memory. The program ends after the milliseconds given second;
// a machine file given third is played in Glass Harbor's place.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "PlayDemo.h"
#include "PlayFakes.h"
#include "ScriptedHarbor.h"
#include "ShowScreen.h"

namespace {
std::string readyFile;
std::string machineFile;
PlayerRoster* roster = nullptr;
ListedRandom draws;
bool spun = false;

MachineFace* MakeDemoFace(MachineScreen& screen) { return new PlayFace(screen, *roster, &draws); }

void WriteReady(HWND window, PlayFace& face) {
    std::FILE* f = std::fopen(readyFile.c_str(), "w");
    if (!f) return;
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    MachineMeters& meters = face.GetMeters();
    RECT placed = {};
    GetWindowRect(window, &placed);
    IndicatorDisplay* tally = face.GetIndicators().Find("Tally");
    std::fprintf(f, "caption %s\nCredit %d\nBet %d\nWinnerPaid %d\nTally %d\nwindow %ld %ld %ld %ld %d\n", caption,
                 meters.Credit(), meters.Bet(), meters.WinnerPaid(), tally ? tally->GetValue() : -1, placed.left,
                 placed.top, placed.right, placed.bottom, IsWindowVisible(window) ? 1 : 0);
    std::fclose(f);
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    static int step = 0;
    if (++step == 1) ShowNamedScreen(machineFile);
    MachineToolWindow* tool = nullptr;
    PlayFace* face = PlayDemo::CurrentFace(&tool);
    if (!face) return;
    HWND window = tool->GetHandle();
    if (!spun) {
        face->GetMoney().AddCoins(10);
        face->GetButtons().Find(Button::Spin)->InvokeAction();
        spun = true;
    } else if (face->GetSpin().IsIdle()) {
        // The tool window in front of the main window, for the screenshot.
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        WriteReady(window, *face);
        KillTimer(nullptr, timer);
    }
}

}  // namespace

int main(int argc, char** argv) {
    readyFile = argc > 1 ? argv[1] : "play_face_ready.txt";
    const UINT lifetime = argc > 2 ? UINT(std::atoi(argv[2])) : 8000;
    PlayDemo demo;
    // A machine file named third is played instead of Glass Harbor.
    if (argc > 3) {
        machineFile = argv[3];
    } else {
        if (!demo.Build(GlassHarborScripted(kPaymentHandlers, kTallyIndicator), "harbor.slot")) return 2;
        machineFile = demo.MachineFile();
    }
    roster = &demo.Roster();
    // The draws: three place the reels, three more stop each on a Bell.
    draws.values = {0, 0, 0, 1, 0, 2};
    return demo.Run(&MakeDemoFace, OnTimer, lifetime);
}

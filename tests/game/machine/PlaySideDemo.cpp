// The play side on the display: Brass Lantern is built and opened in the screen tool
// window; two coins go into the coin slot, ten are bought, the arm is pulled, and once the
// reels are still three more coins drop. The file named on the command line then gets the
// caption, the meters, the progressive, and for the coin slot's picture and the arm
// "x y RRGGBB": where on the display and which colour they show there. The player's money
// lives in memory. The program ends after the milliseconds given second.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "LanternMachine.h"
#include "PlayDemo.h"
#include "ShowScreen.h"

namespace {
std::string readyFile;
std::string machineFile;
PlayerRoster* roster = nullptr;

MachineFace* MakeDemoFace(MachineScreen& screen) { return new PlayFace(screen, *roster); }

void WritePoint(std::FILE* f, const char* what, HWND pane, POINT at, COLORREF c) {
    ClientToScreen(pane, &at);
    std::fprintf(f, "%s %ld %ld %02X%02X%02X\n", what, at.x, at.y, GetRValue(c), GetGValue(c), GetBValue(c));
}

void WriteReady(HWND pane, PlayFace& face) {
    std::FILE* f = std::fopen(readyFile.c_str(), "w");
    if (!f) return;
    char caption[256] = {};
    GetWindowTextA(GetParent(pane), caption, sizeof caption);
    MachineMeters& meters = face.GetMeters();
    std::fprintf(f, "caption %s\nBet %d\nCredit %d\nprogressive %d\n", caption, meters.Bet(), meters.Credit(),
                 face.GetProgressive() ? face.GetProgressive()->Meter().Value() : -1);
    WritePoint(f, "slot", pane, POINT{kLanternSlot.x + 10, kLanternSlot.y + 25}, kLanternSlotColour);
    // The pull played the lever's sequence, and the lever stands up again on its first frame.
    WritePoint(f, "arm", pane, POINT{kLanternArm.x + 12, kLanternArm.y + 45}, kLanternArmColours[0]);
    std::fclose(f);
}

void DropCoins(PlayFace& face, int coins) {
    for (int i = 0; i < coins; ++i) face.GetRegions().Find(CoinRegion::CoinIn)->InvokeAction();
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    static int step = 0;
    if (++step == 1) ShowNamedScreen(machineFile);
    MachineToolWindow* tool = nullptr;
    PlayFace* face = PlayDemo::CurrentFace(&tool);
    if (!face || step < 2) return;
    HWND pane = tool->GetPane()->GetHandle();
    if (step == 2) {
        DropCoins(*face, 2);
        face->GetMoney().AddCoins(10);
        face->GetArm().Element().InvokeAction();
    } else if (face->GetSpin().IsIdle()) {
        DropCoins(*face, 3);
        // Without a window manager the X server may keep the tool window below the main
        // window it belongs to: the main window steps aside for the picture.
        ShowWindow(GetWindow(GetParent(pane), GW_OWNER), SW_HIDE);
        WriteReady(pane, *face);
        KillTimer(nullptr, timer);
    }
}

}  // namespace

int main(int argc, char** argv) {
    readyFile = argc > 1 ? argv[1] : "play_side_ready.txt";
    const UINT lifetime = argc > 2 ? UINT(std::atoi(argv[2])) : 8000;
    PlayDemo demo;
    if (!demo.Build(LanternMachine(demo.Files()), "lantern.slot")) return 2;
    machineFile = demo.MachineFile();
    roster = &demo.Roster();
    return demo.Run(&MakeDemoFace, OnTimer, lifetime);
}

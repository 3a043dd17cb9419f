// A machine played on the display through the play face: Glass Harbor with a machine
// script of its own is built and opened in the screen tool window, ten quarters are
// bought, Spin is pressed with the draws chosen so that every reel stops on a Bell, and
// once the reels are still the file named on the command line gets the caption, the
// "Credit", "Bet" and "WinnerPaid" meters and the script's "Tally" indicator.
// The player's money lives in memory. The program ends after the milliseconds given second.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BuildMachine.h"
#include "FrameListeners.h"
#include "GameApplication.h"
#include "InstallMachineScreens.h"
#include "MachineFiles.h"
#include "MachineScreen.h"
#include "MachineToolWindow.h"
#include "MemoryPlayerStore.h"
#include "MessageCollector.h"
#include "PlayFace.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ScreenSlots.h"
#include "ScriptedHarbor.h"
#include "ShowScreen.h"
#include "TestScreens.h"

namespace {
std::string readyFile;
std::string machineFile;
PlayerRoster* roster = nullptr;
ListedRandom draws;
bool spun = false;

MachineFace* MakeDemoFace(MachineScreen& screen) { return new PlayFace(screen, *roster, &draws); }

PlayFace* CurrentFace(HWND* window) {
    auto* tool = dynamic_cast<MachineToolWindow*>(GetCurrentScreen());
    auto* screen = tool ? dynamic_cast<MachineScreen*>(tool->GetPane()->GetHost().GetScreen()) : nullptr;
    if (window) *window = tool ? tool->GetHandle() : nullptr;
    return screen ? dynamic_cast<PlayFace*>(screen->GetFace()) : nullptr;
}

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
    HWND window = nullptr;
    PlayFace* face = CurrentFace(&window);
    if (!face) return;
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

void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }
}  // namespace

int main(int argc, char** argv) {
    readyFile = argc > 1 ? argv[1] : "play_face_ready.txt";
    const UINT lifetime = argc > 2 ? UINT(std::atoi(argv[2])) : 8000;
    RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // the pictures' decoder, as the game has it
    MachineFiles files;
    const std::string script = files.Script(GlassHarborScripted(kPaymentHandlers, kTallyIndicator));
    machineFile = files.Output("harbor.slot");
    MessageCollector sink;
    if (!BuildMachineWithProgress(script, machineFile, sink, nullptr)) return 2;
    MemoryPlayerStore store;
    store.slots[0].name = "Ada Lovelace";
    store.slots[0].cash = 100000;
    store.slots[0].active = true;
    PlayerRoster players(store);
    roster = &players;
    // The draws: three place the reels, three more stop each on a Bell.
    draws.values = {0, 0, 0, 1, 0, 2};
    TestScreenTable table;
    Plans()[0].colour = RGB(0, 0, 0);
    Plans()[0].text = "";
    InstallMachineScreens();
    SetMachineFaceMaker(&MakeDemoFace);
    static char line[1] = "";
    GameApplication application(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), line);
    SetApplication(&application);
    SetFrameRate(30);
    SetFrameCallback(OnEngineFrame);
    SetTimer(nullptr, 0, 700, OnTimer);
    SetTimer(nullptr, 0, lifetime, OnEnd);
    const int result = application.Run();
    SetFrameCallback(nullptr);
    if (Window* current = GetCurrentScreen()) current->Destroy();
    DeleteParkedScreen();
    SetApplication(nullptr);
    return result;
}

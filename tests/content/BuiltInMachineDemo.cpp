// A built-in machine on the display: the machine file named third (beside the program) is
// opened in the screen tool window with the play face, coins are bought, and Spin is
// pressed with the draws that stop every reel on the machine's best symbol. Once the reels
// are still the file named first gets the caption, the "Credit", "Bet" and "WinnerPaid"
// meters, the player's cash, and the name and cash as the caption painter last wrote them,
// where on the display and in which colour. The player's money lives in memory: $1,000, or the
// cents given fourth (enough for the coins in a room of large coins). The program ends after
// the milliseconds given second.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BestLineDraws.h"
#include "CaptionPainter.h"
#include "FormatMoney.h"
#include "FrameListeners.h"
#include "CDFolders.h"
#include "GameApplication.h"
#include "InstallMachineScreens.h"
#include "MachineScreen.h"
#include "MachineToolWindow.h"
#include "MemoryPlayerStore.h"
#include "PlayFace.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ScreenSlots.h"
#include "ShowScreen.h"
#include "TestScreens.h"

namespace {
std::string readyFile;
std::string machineFile;
PlayerRoster* roster = nullptr;
ListedRandom draws;
bool spun = false;

MachineFace* MakeDemoFace(MachineScreen& screen) { return new PlayFace(screen, *roster, &draws); }

MachineScreen* CurrentMachine(HWND* window) {
    auto* tool = dynamic_cast<MachineToolWindow*>(GetCurrentScreen());
    if (window) *window = tool ? tool->GetHandle() : nullptr;
    return tool ? dynamic_cast<MachineScreen*>(tool->GetPane()->GetHost().GetScreen()) : nullptr;
}

void WriteReady(HWND window, PlayFace& face) {
    std::FILE* f = std::fopen(readyFile.c_str(), "w");
    if (!f) return;
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    MachineMeters& meters = face.GetMeters();
    std::fprintf(f, "caption %s\nCredit %d\nBet %d\nWinnerPaid %d\n", caption, meters.Credit(), meters.Bet(),
                 meters.WinnerPaid());
    std::fprintf(f, "cash %s\n", FormatMoney(roster->GetCash().Cents(), true).c_str());
    if (CaptionPainter* painter = GetCaptionPainter()) {
        RECT at;
        GetWindowRect(window, &at);
        const RECT& text = painter->GetTextRect();
        const COLORREF ink = GetSysColor(COLOR_CAPTIONTEXT);
        std::fprintf(f, "painted %s\npainted at %ldx%ld+%ld+%ld in %02X%02X%02X\n", painter->GetPaintedText().c_str(),
                     text.right - text.left, text.bottom - text.top, at.left + text.left, at.top + text.top,
                     GetRValue(ink), GetGValue(ink), GetBValue(ink));
    }
    std::fclose(f);
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    static int step = 0;
    if (++step == 1) ShowNamedScreen(machineFile);
    // The reels turn on the engine's frames once the machine's window is up.
    if (step == 2) SetFrameCallback(OnEngineFrame);
    HWND window = nullptr;
    MachineScreen* screen = CurrentMachine(&window);
    PlayFace* face = screen ? dynamic_cast<PlayFace*>(screen->GetFace()) : nullptr;
    if (!face || step < 3) return;
    if (!spun) {
        draws.values = DrawsStoppingOn(screen->Records(), FindBestLine(screen->Records()).symbol);
        face->GetMoney().AddCoins(40);
        face->GetButtons().Find(Button::Spin)->InvokeAction();
        spun = true;
    } else if (face->GetSpin().IsIdle()) {
        // Without a window manager the tool window can stay under the main window, which
        // is moved off the display for the screenshot.
        if (HWND owner = GetWindow(window, GW_OWNER))
            SetWindowPos(owner, nullptr, -2000, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        WriteReady(window, *face);
        KillTimer(nullptr, timer);
    }
}

void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    readyFile = argv[1];
    const UINT lifetime = UINT(std::atoi(argv[2]));
    machineFile = std::string(VSL_PROGRAM_DIR "/") + argv[3];
    RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // the pictures' decoder, as the game has it
    MemoryPlayerStore store;
    store.slots[0].name = "Ada Lovelace";
    store.slots[0].cash = argc > 4 ? std::atoi(argv[4]) : 100000;
    store.slots[0].date = 8122026;  // in use
    store.slots[0].active = true;
    PlayerRoster players(store);
    roster = &players;
    // The program's caption painter, over the player in memory.
    CaptionPainter captions(&players);
    SetCaptionPainter(&captions);
    TestScreenTable table;
    Plans()[0].colour = RGB(0, 0, 0);
    Plans()[0].text = "";
    InstallMachineScreens();
    SetMachineFaceMaker(&MakeDemoFace);
    static char line[1] = "";
    GameApplication application(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), line);
    SetApplication(&application);
    SetFrameRate(30);
    SetTimer(nullptr, 0, 700, OnTimer);
    SetTimer(nullptr, 0, lifetime, OnEnd);
    // No one answers a CD prompt here: without the CD's movie the demo goes on without it.
    SetSkippingCD(true);
    const int result = application.Run();
    SetFrameCallback(nullptr);
    if (Window* current = GetCurrentScreen()) current->Destroy();
    DeleteParkedScreen();
    SetCaptionPainter(nullptr);
    SetApplication(nullptr);
    return result;
}

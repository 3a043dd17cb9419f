// The game's main window with a machine in the screen tool window: the tall machine (its
// backdrop in bands of plain colour) is built, then opened by file name. Once it is on
// screen the file named on the command line gets the caption and, for points of the pane,
// "x y RRGGBB": where on the display and which band colour the camera puts there. The
// program ends after the number of milliseconds given second. With "stacking" third, a
// menu of the main window, a dialog of the main window and a box of the machine's are then
// opened in turn, and while each waits for the player the file named first with ".menu",
// ".dialog" or ".box" added is written.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BuildMachine.h"
#include "CDFolders.h"
#include "GameApplication.h"
#include "InstallMachineScreens.h"
#include "MachineScreen.h"
#include "MachineToolWindow.h"
#include "MessageCollector.h"
#include "ScreenSlots.h"
#include "ShowScreen.h"
#include "TallMachine.h"
#include "TestScreens.h"

namespace {
std::string readyFile;
std::string machineFile;
int step = 0;

void WritePoint(std::FILE* f, HWND pane, int x, int y, int offset) {
    POINT at = {x, y};
    ClientToScreen(pane, &at);
    const COLORREF c = BandColour((offset + y) / kBandRows);
    std::fprintf(f, "%ld %ld %02X%02X%02X\n", at.x, at.y, GetRValue(c), GetGValue(c), GetBValue(c));
}

// The top and bottom rows of the pane, and two rows each side of the first band edge.
void WriteReady() {
    auto* window = dynamic_cast<MachineToolWindow*>(GetCurrentScreen());
    auto* screen = window ? dynamic_cast<MachineScreen*>(window->GetPane()->GetHost().GetScreen()) : nullptr;
    std::FILE* f = std::fopen(readyFile.c_str(), "w");
    if (!f) return;
    if (!screen) {
        std::fprintf(f, "no machine\n");
        std::fclose(f);
        return;
    }
    char caption[256] = {};
    GetWindowTextA(window->GetHandle(), caption, sizeof caption);
    HWND pane = window->GetPane()->GetHandle();
    RECT client;
    GetClientRect(pane, &client);
    const int offset = screen->GetCameraOffset();
    std::fprintf(f, "caption %s\ncamera %d of art %d in a pane %ld high\n", caption, offset, kTallArtHeight,
                 client.bottom);
    const int edge = (kBandRows - offset % kBandRows) % kBandRows;
    for (int y : {2, edge - 2, edge + 2, int(client.bottom) - 3}) WritePoint(f, pane, 300, y, offset);
    std::fclose(f);
}

bool stacking = false;

void WritePhase(const char* phase) {
    if (std::FILE* f = std::fopen((readyFile + "." + phase).c_str(), "w")) {
        std::fprintf(f, "%s open\n", phase);
        std::fclose(f);
    }
}

// The test takes a phase's file away once it has looked at the screen: until then the
// menu, dialog or box stays open, however slowly the test gets to it.
bool PhaseSeen(const char* phase) {
    return GetFileAttributesA((readyFile + "." + phase).c_str()) == INVALID_FILE_ATTRIBUTES;
}

// The dialog or box our thread shows: its OK button pressed.
void CloseBox() {
    if (HWND box = FindWindowA("#32770", nullptr)) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// The main window raised past the machine window on the display, as Wine's X driver
// without a window manager does when the player clicks the main window's menu bar: the
// machine window is disowned for the moment of the raise.
void RaiseMainWindow(HWND main, HWND machine) {
    SetWindowLongPtrA(machine, GWLP_HWNDPARENT, 0);
    SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowLongPtrA(machine, GWLP_HWNDPARENT, LONG_PTR(main));
}

// Each step opens a menu, dialog or box, or, from inside its loop, reports or closes it.
void StackingStep() {
    HWND main = GetMainWindow() ? GetMainWindow()->GetHandle() : nullptr;
    auto* window = dynamic_cast<MachineToolWindow*>(GetCurrentScreen());
    if (!main || !window) return;
    // Before the menu and the dialog of the main window, which the player opens from it.
    if (step == 4 || step == 10) RaiseMainWindow(main, window->GetHandle());
    if (step == 4) {
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, 1, "Lobby");
        AppendMenuA(menu, MF_STRING, 2, "Exit");
        RECT r;
        GetWindowRect(main, &r);
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, r.left + 4, r.top + 40, 0, main, nullptr);
        DestroyMenu(menu);
    } else if (step == 7) {
        WritePhase("menu");
    } else if (step == 9) {
        if (!PhaseSeen("menu")) {
            --step;
            return;
        }
        EndMenu();
    } else if (step == 10) {
        MessageBoxA(main, "A dialog of the main window", "Options", MB_OK);
    } else if (step == 13) {
        WritePhase("dialog");
    } else if (step == 15) {
        if (!PhaseSeen("dialog")) {
            --step;
            return;
        }
        CloseBox();
    } else if (step == 16) {
        MessageBoxA(window->GetPane()->GetHandle(), "Spin first", "Vellmoor Slots", MB_OK | MB_ICONEXCLAMATION);
    } else if (step == 19) {
        WritePhase("box");
    } else if (step == 21) {
        if (!PhaseSeen("box")) {
            --step;
            return;
        }
        CloseBox();
    }
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    ++step;
    if (step == 1) ShowNamedScreen(machineFile);
    if (step == 3) WriteReady();
    if (stacking && step > 3) StackingStep();
}

void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }
}  // namespace

int main(int argc, char** argv) {
    readyFile = argc > 1 ? argv[1] : "machine_demo_ready.txt";
    const UINT lifetime = argc > 2 ? UINT(std::atoi(argv[2])) : 8000;
    stacking = argc > 3 && std::string(argv[3]) == "stacking";
    RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // the pictures' decoder, as the game has it
    MachineFiles files;
    const std::string script = files.Script(TallMachine(files));
    machineFile = files.Output("tall.slot");
    MessageCollector sink;
    if (!BuildMachineWithProgress(script, machineFile, sink, nullptr)) return 2;
    // A black main view under the tool window.
    TestScreenTable table;
    Plans()[0].colour = RGB(0, 0, 0);
    Plans()[0].text = "";
    InstallMachineScreens();
    static char line[1] = "";
    GameApplication application(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), line);
    SetApplication(&application);
    SetTimer(nullptr, 0, 700, OnTimer);
    SetTimer(nullptr, 0, lifetime, OnEnd);
    // No one answers a CD prompt here: without the CD's movie the demo goes on without it.
    SetSkippingCD(true);
    const int result = application.Run();
    if (Window* current = GetCurrentScreen()) current->Destroy();
    DeleteParkedScreen();
    SetApplication(nullptr);
    return result;
}

// The Front Desk on the display for a screenshot, with the players of the test prefix and
// a name typed into the fourth row. It writes the file named first once frames have been
// shown, and ends after the milliseconds given second.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Application.h"
#include "FrameListeners.h"
#include "FrontDeskScreen.h"
#include "TestScreens.h"

int main(int argc, char** argv) {
    const char* readyFile = argc > 1 ? argv[1] : nullptr;
    const DWORD lifetime = argc > 2 ? DWORD(std::atoi(argv[2])) : 6000;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    SetCurrentDirectoryA(folder.substr(0, folder.find_last_of('\\')).c_str());
    std::unique_ptr<HostFrame> frame = MakeHostFrame(RECT{0, 0, 794, 556});
    SetMainWindow(frame.get());
    PlayerRoster roster;
    roster.GetRecord(3).SetDate(0);
    auto* desk = new FrontDeskScreen(2, &roster);
    auto pane = std::make_unique<TvPane>(frame.get(), desk);
    pane->InstallScreen();
    if (pane->GetHost().GetScreen() != desk) return 1;
    desk->FocusElement(&desk->GetRow(3));
    for (char c : std::string("Vera Vellmoor")) SendMessageA(pane->GetHandle(), WM_CHAR, WPARAM(c), 1);
    const DWORD start = GetTickCount();
    bool ready = false;
    while (GetTickCount() - start < lifetime) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (!ready && GetTickCount() - start > 1500 && readyFile) {
            if (FILE* f = std::fopen(readyFile, "w")) {
                std::fprintf(f, "row 3 '%s' cash '%s' current %d\n", desk->GetRow(3).GetTextString().c_str(),
                             desk->GetRow(3).GetCash().GetTextString().c_str(), roster.GetCurrentIndex());
                std::fclose(f);
            }
            ready = true;
        }
        Sleep(10);
    }
    pane.reset();
    SetMainWindow(nullptr);
    return 0;
}

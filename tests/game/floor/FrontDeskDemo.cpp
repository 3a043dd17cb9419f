// The Front Desk on the display for a screenshot, with the players of the test prefix and
// a name typed into the fourth row. It writes the file named first once frames have been
// shown (the pane's origin on the display and the fourth row), and ends after the
// milliseconds given second.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "Application.h"
#include "FloorTestSupport.h"
#include "FrameListeners.h"
#include "FrontDeskScreen.h"
#include "TestScreens.h"

int main(int argc, char** argv) {
    const char* readyFile = argc > 1 ? argv[1] : nullptr;
    const DWORD lifetime = argc > 2 ? DWORD(std::atoi(argv[2])) : 6000;
    MoveToTestProgramFolder();
    std::unique_ptr<HostFrame> frame = MakeHostFrame(RECT{0, 0, 794, 556});
    SetMainWindow(frame.get());
    PlayerRoster roster;
    roster.GetRecord(3).SetDate(0);
    auto* desk = new FrontDeskScreen(2, &roster);
    auto pane = std::make_unique<TvPane>(frame.get(), desk);
    pane->InstallScreen();
    if (pane->GetHost().GetScreen() != desk) return 1;
    desk->AddKeyElement(&desk->GetRow(3));
    for (char c : std::string("Vera Vellmoor")) SendMessageA(pane->GetHandle(), WM_CHAR, WPARAM(c), 1);
    RunDemo(lifetime, readyFile, [&] {
        POINT origin = {0, 0};
        ClientToScreen(pane->GetHandle(), &origin);
        return "origin " + std::to_string(origin.x) + " " + std::to_string(origin.y) + "\nrow 3 '" + desk->GetRow(3).GetTextString() + "' cash '" + desk->GetRow(3).GetCash().GetTextString() +
               "' current " + std::to_string(roster.GetCurrentIndex());
    });
    pane.reset();
    SetMainWindow(nullptr);
    return 0;
}

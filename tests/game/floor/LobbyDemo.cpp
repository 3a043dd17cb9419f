// The lobby on the display for a screenshot: scrolled from room 0 to the x given on the command line
// (through the wrap when it is past the panorama's end), with the pointer resting on the
// view point given after it, if any. It writes the file named first once frames have
// been shown, and ends after the milliseconds given second.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "FloorTestSupport.h"
#include "LobbyHost.h"

int main(int argc, char** argv) {
    const char* readyFile = argc > 1 ? argv[1] : nullptr;
    const DWORD lifetime = argc > 2 ? DWORD(std::atoi(argv[2])) : 6000;
    const int32_t scroll = argc > 3 ? std::atoi(argv[3]) : 0;
    LobbyHost host;
    if (!host.Installed()) return 1;
    host.lobby->OnDenominationChanged(25);  // from room 0, whatever the setting
    for (int32_t done = 0; done < scroll; done += 32) host.lobby->Scroll(std::min(32, scroll - done));
    host.lobby->Scroll(1);
    host.lobby->Scroll(-1);
    if (argc > 5) {
        // The pointer itself stands there, or the display's pointer would move it away.
        const int x = std::atoi(argv[4]), y = std::atoi(argv[5]);
        POINT screen = {x, y};
        ClientToScreen(host.View(), &screen);
        SetCursorPos(screen.x, screen.y);
        host.Move(x, y);
    }
    RunDemo(lifetime, readyFile, [&] {
        return "scroll " + std::to_string(host.lobby->GetScrollX()) + " highlighted " +
               std::to_string(host.lobby->GetHighlighted()) + " strips " +
               std::to_string(host.lobby->GetBackdrop()->PresentStrips());
    });
    return 0;
}

#include "LobbyMachineOpener.h"

#include "ScreenSlots.h"
#include "ShowScreen.h"

namespace {
class ScreenSwitchOpener : public LobbyMachineOpener {
public:
    bool MayClose() override { return CloseCurrentScreen(); }
    void Open(int32_t machine, const RECT& from) override { ShowScreenZoomed(machine, from); }
};

ScreenSwitchOpener g_screenSwitch;
LobbyMachineOpener* g_opener = &g_screenSwitch;
}  // namespace

LobbyMachineOpener* SetLobbyMachineOpener(LobbyMachineOpener* opener) {
    LobbyMachineOpener* previous = g_opener;
    g_opener = opener ? opener : &g_screenSwitch;
    return previous;
}

LobbyMachineOpener& GetLobbyMachineOpener() { return *g_opener; }

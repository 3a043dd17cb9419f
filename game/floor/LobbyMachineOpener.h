// How the lobby opens the machine that was clicked: the current screen window is asked to
// close, the lobby then sets the room's denomination, and the machine's screen is shown
// with the zoom from the clicked point. Tests put an opener of their own.
#pragma once
#include <windows.h>

#include <cstdint>

class LobbyMachineOpener {
public:
    virtual ~LobbyMachineOpener() = default;
    // False keeps the lobby as it is.
    virtual bool MayClose() = 0;
    virtual void Open(int32_t machine, const RECT& from) = 0;
};

// The opener in force (the screen switching of the main window unless replaced); the
// previous one is returned.
LobbyMachineOpener* SetLobbyMachineOpener(LobbyMachineOpener* opener);
LobbyMachineOpener& GetLobbyMachineOpener();

// The game's roster over the registry; a money write that fails is shown to the player.
#include <windows.h>

#include "PlayerRoster.h"
#include "RegistryPlayerStore.h"

PlayerRoster::PlayerRoster() : PlayerRoster(GetRegistryPlayerStore()) {}

PlayerRoster& PlayerRoster::Instance() {
    static PlayerRoster roster;
    static const bool reporting = [] {
        roster.SetFaultReporter([](const std::string& text) {
            MessageBoxA(nullptr, text.c_str(), "Front Desk", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
        });
        return true;
    }();
    (void)reporting;
    return roster;
}

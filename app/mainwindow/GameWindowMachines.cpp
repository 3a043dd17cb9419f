// The commands that change what the game shows: the machines (built-in and custom) in the
// screen window, and the lobby, Front Desk and credits in the main view. Also the Custom
// submenu, rebuilt each time the menu bar opens.
#include "CustomMachines.h"
#include "GameMenuIds.h"
#include "GameWindow.h"
#include "ScreenHost.h"
#include "ScreenNumbers.h"
#include "ScreenSlots.h"
#include "ShowScreen.h"
#include "TvPane.h"

namespace {
// The Custom submenu's place in the Game menu.
const int kCustomMenuPosition = 7;
}  // namespace

void GameWindow::OnExit(int, int) { PostClose(); }

void GameWindow::EndMainViewScreen(int32_t number) {
    if (!CloseCurrentScreen()) return;
    if (mainView_) mainView_->GetHost().EndScreen(number);
}

void GameWindow::OnAbout(int, int) { EndMainViewScreen(kCreditsScreenNumber); }
void GameWindow::OnFrontDesk(int, int) { EndMainViewScreen(kFrontDeskScreenNumber); }
void GameWindow::OnLobby(int, int) { EndMainViewScreen(kLobbyScreenNumber); }

void GameWindow::PlayMachine(int32_t number) {
    if (!CloseCurrentScreen() || !CloseEditor()) return;
    SetCurrentDirectoryA(baseDirectory_.c_str());
    RECT client;
    GetClientRect(GetHandle(), &client);
    const LONG x = (client.left + client.right) / 2, y = (client.top + client.bottom) / 2;
    const RECT centre = {x, y, x, y};
    ShowScreenZoomed(number, centre);
}

void GameWindow::OnPlayMachine(int id, int) {
    const auto found = machineCommands_.find(uint32_t(id));
    if (found != machineCommands_.end()) PlayMachine(found->second);
}

void GameWindow::OnPlayCustomMachine(int id, int) { PlayMachine(ID_CUSTOM_MACHINE_FIRST - 1 - id); }

void GameWindow::FillCustomMenu(HMENU popup) {
    UINT i = 0;
    const std::vector<CustomMachineEntry>& machines = GetCustomMachines();
    for (size_t at = 0; at < machines.size(); ++at) {
        if (machines[at].kind != kCustomMachine) continue;
        std::string text = CustomMenuText(machines, at);
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_TYPE;
        item.fType = MFT_STRING;
        item.wID = ID_CUSTOM_MACHINE_FIRST + i;
        item.dwTypeData = &text[0];
        InsertMenuItemA(popup, i, TRUE, &item);
        BindCommand(int(item.wID), this, &GameWindow::OnPlayCustomMachine);
        ++i;
    }
}

LRESULT GameWindow::OnInitMenu(WPARAM menu, LPARAM) {
    HMENU game = GetSubMenu(HMENU(menu), 0);
    if (!game || GetMenuItemCount(game) <= kCustomMenuPosition) return 0;
    HMENU previous = GetSubMenu(game, kCustomMenuPosition);
    HMENU popup = CreatePopupMenu();
    FillCustomMenu(popup);
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_SUBMENU;
    item.hSubMenu = popup;
    if (!SetMenuItemInfoA(game, kCustomMenuPosition, TRUE, &item)) {
        DestroyMenu(popup);
        return 0;
    }
    // The item no longer holds the submenu made last time: it would outlive the menu bar.
    if (previous) DestroyMenu(previous);
    DrawMenuBar(GetHandle());
    return 0;
}

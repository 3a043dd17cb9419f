// The machine file named on the command line, offered once when the lobby is entered:
// from the game folder it is played at once; from elsewhere the user may copy it into the
// game folder (and the Custom submenu), play it where it is, or leave it.
#include <windows.h>

#include <shellapi.h>

#include "CustomMachines.h"
#include "GameWindow.h"
#include "MachinePaths.h"
#include "ShowScreen.h"

namespace {
std::string OfferText(const std::string& name) {
    return "Would you like " + name +
           " added to the game menu?\n\nClick YES to add the game to the menu.\nClick NO to play the game "
           "without adding it to the menu.\nClick CANCEL if you don't want to play the game and you don't "
           "want to add it\nto the menu either.";
}

// SHFileOperationA takes lists of paths, each list ended by a second zero.
bool CopyFileInto(HWND owner, const std::string& from, const std::string& to) {
    const std::string source = from + '\0' + '\0';
    const std::string target = to + '\0' + '\0';
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = owner;
    operation.wFunc = FO_COPY;
    operation.pFrom = source.c_str();
    operation.pTo = target.c_str();
    return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}
}  // namespace

LRESULT GameWindow::OnLobbyEntered(WPARAM, LPARAM) {
    if (!commandLine_ || !commandLine_[0]) return 0;
    SetCurrentDirectoryA(baseDirectory_.c_str());
    const std::string commandLine = commandLine_;
    commandLine_[0] = '\0';  // offered once
    OfferCommandLineMachine(commandLine);
    return 0;
}

void GameWindow::OfferCommandLineMachine(const std::string& commandLine) {
    CommandLineMachine machine;
    if (!ReadCommandLineMachine(commandLine, machine)) return;
    if (machine.rawFolder == baseDirectory_ || machine.decodedFolder.empty()) {
        ShowNamedScreen(machine.rawName);
        return;
    }
    switch (MessageBoxA(GetHandle(), OfferText(machine.decodedName).c_str(), "VELLMOOR(tm) Slots: New Game",
                        MB_YESNOCANCEL)) {
    case IDYES:
        if (CopyFileInto(GetHandle(), machine.raw, JoinPath(baseDirectory_, machine.decodedName))) {
            ScanCustomMachines();
            ShowNamedScreen(machine.decodedName);
        }
        break;
    case IDNO:
        ShowNamedScreen(machine.raw);
        break;
    default:
        break;
    }
}

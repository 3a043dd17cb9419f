#include "FirstPlayer.h"

#include "PlayerDate.h"
#include "ProductKey.h"
#include "RegKey.h"
#include "SystemInfo.h"

namespace {
const char* const kPlayerOneValues[] = {"Player1Name", "Player1Active", "Player1Date", "Player1Credit",
                                        "Player1Cash"};
const char kUserKey[] = "Software\\Tarrowind Zudurozarir\\User";
}  // namespace

bool HasFirstPlayerRecord() {
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath("FrontDesk"));
    if (key.Open() != ERROR_SUCCESS) return false;
    bool seen[5] = {};
    std::string name;
    DWORD type = 0;
    for (DWORD index = 0; key.EnumValues(index, &name, &type, nullptr, nullptr); ++index) {
        for (int i = 0; i < 5; ++i)
            if (name == kPlayerOneValues[i]) seen[i] = true;
    }
    for (bool present : seen)
        if (!present) return false;
    return true;
}

FirstPlayer FindRegisteredUser() {
    FirstPlayer player;
    RegKey product(HKEY_LOCAL_MACHINE, std::string(kUserKey) + "\\VELLMOOR(tm) Slots");
    if (product.Open() == ERROR_SUCCESS) {
        RegKey user(HKEY_LOCAL_MACHINE, kUserKey);
        if (user.Open() == ERROR_SUCCESS) {
            const std::string first = user.QueryString("FirstName", "");
            const std::string last = user.QueryString("LastName", "");
            player.name = last.empty() ? first : first + " " + last;
            player.cash = 2500000;
            player.found = true;
            return player;
        }
    }
    std::string path = "Software\\Microsoft\\Windows";
    if (GetOsVersion() == VER_PLATFORM_WIN32_NT) path += " NT";
    path += "\\CurrentVersion";
    RegKey windows(HKEY_LOCAL_MACHINE, path);
    windows.Open();
    const std::string owner = windows.QueryString("RegisteredOwner", "");
    if (!owner.empty()) {
        player.name = owner;
        player.cash = 1000000;
        player.found = true;
    }
    return player;
}

void WriteFirstPlayerRecord(const FirstPlayer& player) {
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath("FrontDesk"));
    if (key.Open() != ERROR_SUCCESS && key.Create() != ERROR_SUCCESS) return;
    key.SetDword("Player1Active", 1);
    key.SetDword("Player1Cash", player.cash);
    key.SetDword("Player1Credit", 0);
    key.SetDword("Player1Date", TodayAsPlayerDate());
    key.SetString("Player1Name", player.name);
}

void LoadSettings() {
    if (HasFirstPlayerRecord()) return;
    const FirstPlayer player = FindRegisteredUser();
    if (player.found) WriteFirstPlayerRecord(player);
}

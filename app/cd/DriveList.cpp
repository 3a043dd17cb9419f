#include "DriveList.h"

#include <cctype>

#include "CDFolders.h"
#include "CDPath.h"

namespace {
bool HasRootDirectory(UINT type) { return type >= DRIVE_REMOVABLE && type <= DRIVE_RAMDISK; }

bool SameLetter(char a, char b) { return std::toupper(uint8_t(a)) == std::toupper(uint8_t(b)); }

std::string EntryText(Window& comboBox, int index) {
    const LRESULT length = comboBox.SendMessage(CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR) return std::string();
    std::string text(size_t(length) + 1, '\0');
    comboBox.SendMessage(CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(size_t(length));
    return text;
}
}  // namespace

void FillDriveList(Window& comboBox) {
    const char current = GetCurrentCDDrive();
    int selected = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = DriveRoot(letter);
        if (!HasRootDirectory(GetDriveTypeA(root.c_str()))) continue;
        const LRESULT index = comboBox.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(root.c_str()));
        if (index >= 0 && SameLetter(letter, current)) selected = int(index);
    }
    comboBox.SendMessage(CB_SETCURSEL, WPARAM(selected), 0);
}

void SelectCDDriveInList(Window& comboBox) {
    const char current = GetCurrentCDDrive();
    const int count = int(comboBox.SendMessage(CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        const std::string text = EntryText(comboBox, index);
        if (!text.empty() && SameLetter(text[0], current)) {
            comboBox.SendMessage(CB_SETCURSEL, WPARAM(index), 0);
            return;
        }
    }
}

std::string GetSelectedDrive(Window& comboBox) {
    const LRESULT index = comboBox.SendMessage(CB_GETCURSEL, 0, 0);
    const std::string text = index == CB_ERR ? std::string() : EntryText(comboBox, int(index));
    return text.empty() ? DriveRoot(GetCurrentCDDrive()) : text;
}

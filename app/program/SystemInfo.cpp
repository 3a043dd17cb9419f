#include "SystemInfo.h"

#include <algorithm>
#include <cctype>

#include "AppState.h"

namespace {
std::string baseDirectory;
}

DWORD GetOsVersion() {
    static OSVERSIONINFOA info = [] {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        GetVersionExA(&version);
        return version;
    }();
    return info.dwPlatformId;
}

std::string GetBaseDirectory() { return baseDirectory; }

void SetBaseDirectoryToCurrent() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    if (length == 0 || length > MAX_PATH) return;
    std::string text(folder, length);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    baseDirectory = text + "\\";
}

HMENU LoadAppMenu(int id) { return LoadMenuA(GetAppInstance(), MAKEINTRESOURCEA(id)); }
HCURSOR LoadAppCursor(const char* name) { return LoadCursorA(GetAppInstance(), name); }
HCURSOR LoadAppCursorById(int id) { return LoadCursorA(GetAppInstance(), MAKEINTRESOURCEA(id)); }
HCURSOR LoadSystemCursor(int id) { return LoadCursorA(nullptr, MAKEINTRESOURCEA(id)); }

// Small process-wide facts and resources of the program: the operating system's platform,
// the base directory, and menus and cursors from the program's resources.
#pragma once
#include <windows.h>

#include <string>

// The platform field of the operating-system version (2 = NT), read once.
DWORD GetOsVersion();

// The lower-cased current directory followed by "\" (empty until set).
std::string GetBaseDirectory();
void SetBaseDirectoryToCurrent();

HMENU LoadAppMenu(int id);
HCURSOR LoadAppCursor(const char* name);
HCURSOR LoadAppCursorById(int id);
HCURSOR LoadSystemCursor(int id);

// Finds a top-level window of one program by its class and title. Test programs run side by
// side on one display, so a window with the same title may well belong to another.
#pragma once
#include <windows.h>

// Null when the program has none; a null class or title matches any.
inline HWND FindProgramWindow(const char* windowClass, const char* title, DWORD process, bool visibleOnly = false) {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, windowClass, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == process && (!visibleOnly || IsWindowVisible(found))) return found;
    }
    return nullptr;
}

// A window of this test program.
inline HWND FindOwnWindow(const char* windowClass, const char* title, bool visibleOnly = false) {
    return FindProgramWindow(windowClass, title, GetCurrentProcessId(), visibleOnly);
}

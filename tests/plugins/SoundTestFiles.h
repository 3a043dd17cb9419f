// For the Windows sound tests: temporary file names of this process, and waiting for
// what the sound library's thread does.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

inline std::string TempSoundPath(const std::string& name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "vsl_sound_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

// The bound is generous: a busy machine runs the library's thread late.
inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 30000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(5);
    }
    return true;
}

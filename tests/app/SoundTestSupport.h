// Shared by the sound system's tests: the library on its silent sink (or its render
// mode), temporary sound files, waiting for the library's thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "SoundFiles.h"
#include "SoundSystem.h"

inline std::string TempSoundPath(const std::string& name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "vsl_sound_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(5);
    }
    return true;
}

// Opens the sound system as the main view does, on the silent sink; with a path, the
// library also renders what it mixes into that file.
inline void OpenSilentSoundSystem(const std::string& renderPath = std::string()) {
    SetEnvironmentVariableA("AULOSND_SILENT", "1");
    SetEnvironmentVariableA("AULOSND_RENDER", renderPath.empty() ? nullptr : renderPath.c_str());
    GetSoundSystem().Open(nullptr, 22050, 16, 2);
}

// Shared by the sound system's tests: the library on its silent sink (or its render
// mode), with the sound files and waits of the library's own tests.
#pragma once
#include <windows.h>

#include <string>

#include "SoundFiles.h"
#include "SoundSystem.h"
#include "SoundTestFiles.h"

// Opens the sound system as the main view does, on the silent sink; with a path, the
// library also renders what it mixes into that file.
inline void OpenSilentSoundSystem(const std::string& renderPath = std::string()) {
    SetEnvironmentVariableA("AULOSND_SILENT", "1");
    SetEnvironmentVariableA("AULOSND_RENDER", renderPath.empty() ? nullptr : renderPath.c_str());
    GetSoundSystem().Open(nullptr, 22050, 16, 2);
}

// Asset files in the temporary folder under names of this process's own, for tests that
// open them through the engine: the path for a stem, and an image written there.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

inline std::string TempAssetPath(const char* stem) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + stem + "_" + std::to_string(GetCurrentProcessId()) + ".ast";
}

inline std::string WriteTempAssetFile(const std::vector<uint8_t>& image, const char* stem) {
    const std::string path = TempAssetPath(stem);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (h != INVALID_HANDLE_VALUE) {
        if (!image.empty()) WriteFile(h, image.data(), DWORD(image.size()), &written, nullptr);
        CloseHandle(h);
    }
    return path;
}

// Writes an asset-file image to the temporary folder under a name of this process's own,
// for tests that open it through the engine. Returns the file's path.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

inline std::string WriteTempAssetFile(const std::vector<uint8_t>& image, const char* stem) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + stem + "_" + std::to_string(GetCurrentProcessId()) + ".ast";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (h != INVALID_HANDLE_VALUE) {
        if (!image.empty()) WriteFile(h, image.data(), DWORD(image.size()), &written, nullptr);
        CloseHandle(h);
    }
    return path;
}

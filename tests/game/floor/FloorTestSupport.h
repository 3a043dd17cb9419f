// Shared by the casino floor's tests and demos: the program's own folder as the current
// directory (the content generator put the asset files there), and a message loop that
// runs for a while and writes the ready file once frames have been shown.
#pragma once
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

inline void MoveToTestProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path);
    SetCurrentDirectoryA(file.substr(0, file.find_last_of('\\')).c_str());
}

// Pumps messages for `lifetime` milliseconds; after 1.5 s the ready file gets one line.
inline void RunDemo(DWORD lifetime, const char* readyFile, const std::function<std::string()>& readyLine) {
    const DWORD start = GetTickCount();
    bool ready = false;
    while (GetTickCount() - start < lifetime) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (!ready && GetTickCount() - start > 1500 && readyFile) {
            if (FILE* f = std::fopen(readyFile, "w")) {
                std::fprintf(f, "%s\n", readyLine().c_str());
                std::fclose(f);
            }
            ready = true;
        }
        Sleep(10);
    }
}

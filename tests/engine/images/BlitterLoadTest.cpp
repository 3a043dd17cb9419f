// The engine refuses to load when its blitter lacks an entry: a folder holding the engine,
// a small program that loads it and a BLIT16.DLL built without one entry.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string TempFolder(const char* name) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + name + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Runs the probe in a folder with the engine and the given blitter; its exit code.
DWORD ProbeWith(const char* blitter, const char* folderName) {
    const std::string folder = TempFolder(folderName);
    const std::string probe = folder + "\\blitter_probe.exe";
    EXPECT_TRUE(CopyFileA(VSL_PROBE_EXE, probe.c_str(), FALSE));
    EXPECT_TRUE(CopyFileA(VSL_ENGINE_DLL, (folder + "\\Quor2_5.dll").c_str(), FALSE));
    EXPECT_TRUE(CopyFileA(blitter, (folder + "\\BLIT16.DLL").c_str(), FALSE));
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + probe + "\"";
    DWORD code = 99;
    if (CreateProcessA(probe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 60000);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    for (const char* f : {"\\blitter_probe.exe", "\\Quor2_5.dll", "\\BLIT16.DLL"}) DeleteFileA((folder + f).c_str());
    RemoveDirectoryA(folder.c_str());
    return code;
}

TEST(BlitterLoad, EngineLoadsWithTheWholeBlitterAndRefusesOneWithoutAnEntry) {
    EXPECT_EQ(ProbeWith(VSL_GOOD_BLITTER, "vsl_blit_good"), 0u);
    EXPECT_EQ(ProbeWith(VSL_BROKEN_BLITTER, "vsl_blit_broken"), 1u);
}

}  // namespace

// Runs the command-line build tool vslc.exe, which lies beside the test program, and
// collects its exit code and everything it printed.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

struct ToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

// `log` is the file that takes the tool's output; the caller removes it.
inline ToolRun RunVslcTool(const std::string& arguments, const std::string& log) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string exe(self);
    exe = exe.substr(0, exe.find_last_of("\\/") + 1) + "vslc.exe";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = out;
    start.hStdError = out;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + exe + "\" " + arguments;
    ToolRun run;
    if (CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process)) {
        // Bounded generously, since a busy machine starts programs slowly; a tool still
        // running then is ended, so that it never goes on in files the caller uses next.
        if (WaitForSingleObject(process.hProcess, 300000) == WAIT_TIMEOUT) {
            TerminateProcess(process.hProcess, 0xFFFFFFFF);
            WaitForSingleObject(process.hProcess, 10000);
        }
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    if (std::FILE* f = std::fopen(log.c_str(), "rb")) {
        char buffer[1024];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) run.output.append(buffer, n);
        std::fclose(f);
    }
    return run;
}

// The command-line build tool: a machine built from a script, and a failed build printing
// its messages one a line with a non-zero exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "AssetFileTitle.h"
#include "MachineFiles.h"

namespace {

struct ToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

// Runs vslc.exe (beside this test program) with the arguments; its output goes to a file.
ToolRun RunVslc(MachineFiles& files, const std::string& arguments) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string exe(self);
    exe = exe.substr(0, exe.find_last_of("\\/") + 1) + "vslc.exe";
    const std::string log = files.Output("vslc.log");
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
        WaitForSingleObject(process.hProcess, 60000);
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

TEST(Vslc, BuildsTheMachineFileAndPrintsNothing) {
    MachineFiles files;
    const std::string script = files.Script(GlassHarbor());
    const std::string out = files.Output("tool.slot");
    const ToolRun run = RunVslc(files, script + " " + out);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(ReadAssetFileTitle(out), "Glass Harbor");
}

TEST(Vslc, AFailedBuildPrintsItsMessagesAndFails) {
    MachineFiles files;
    const std::string script = files.Script(GlassHarbor("", "7"));
    files.Output("machine.slot");  // the default name, removed if it were made
    const ToolRun run = RunVslc(files, script);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.output, "The machine has 7 pay lines; at most 5 can be played\r\n");
    EXPECT_EQ(ReadAssetFileTitle(files.Path("machine.slot")), "");
    EXPECT_EQ(RunVslc(files, "").exitCode, 2u);
}

}  // namespace

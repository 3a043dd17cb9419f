// The command-line build tool: a machine built from a script, and a failed build printing
// its messages one a line with a non-zero exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "AssetFileTitle.h"
#include "MachineFiles.h"
#include "VslcRun.h"

namespace {

// Runs vslc.exe (beside this test program) with the arguments; its output goes to a file.
ToolRun RunVslc(MachineFiles& files, const std::string& arguments) {
    return RunVslcTool(arguments, files.Output("vslc.log"));
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

// The command-line build tool: a machine built from a script, and a failed build printing
// its messages one a line with a non-zero exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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

// A script whose pictures are not beside it: the warnings, then why nothing was built,
// naming the file that is missing.
TEST(Vslc, AScriptWhosePicturesAreMissingSaysWhyNothingWasBuilt) {
    MachineFiles files;
    const std::string script = files.Script(GlassHarbor("  Animation Glow { { \"@/glow.bmp\" } }\n"));
    const std::string out = files.Output("missing.slot");
    const ToolRun run = RunVslc(files, script + " " + out);
    EXPECT_EQ(run.exitCode, 1u);
    const std::string glow = files.Path("glow.bmp");
    std::string printed = run.output;  // each line printed with its own line end
    printed.erase(std::remove(printed.begin(), printed.end(), '\r'), printed.end());
    EXPECT_EQ(printed, "Glow uses " + glow + " which doesn't exist\n\n1 Warnings\n\n"
                       "The machine was not built: 1 picture or sound file that the script names cannot be "
                       "found beside it: " + glow + ".\nA machine's script needs its pictures and sounds in its "
                       "own folder. The game's CD holds every built-in machine so, each in a folder of its own "
                       "under \"machines\": copy a machine's whole folder to change it.\n\n");
    EXPECT_EQ(ReadAssetFileTitle(out), "");
}

// A payout expression that the machine's JScript cannot read stops the build with the
// engine's message, naming the script's line wherever on the line the payout stands.
TEST(Vslc, APayoutThatCannotPlayStopsTheBuildNamingItsLine) {
    for (const std::string payouts : {"\"5 +* (\", 20", "10, \"+* (\""}) {
        SCOPED_TRACE(payouts);
        MachineFiles files;
        std::string text = GlassHarbor();
        text.replace(text.find("10, 20"), 6, payouts);
        const std::string script = files.Script(text);
        const std::string out = files.Output("unplayable.slot");
        const ToolRun run = RunVslc(files, script + " " + out);
        EXPECT_EQ(run.exitCode, 1u);
        std::string printed = run.output;
        printed.erase(std::remove(printed.begin(), printed.end(), '\r'), printed.end());
        const std::string code = payouts.substr(payouts.find('"') + 1, payouts.rfind('"') - payouts.find('"') - 1);
        EXPECT_EQ(printed, "The payout \"" + code + "\" is no expression the machine's JScript can read (Syntax error)"
                           " on line 13:   all Bell " + payouts + "\n"
                           "The machine was not built: the script has the error above.\n\n");
        EXPECT_EQ(ReadAssetFileTitle(out), "");
    }
}

// A script names its pictures and sounds relative to its own folder: the build finds them
// there from whatever folder it is started in.
TEST(Vslc, FindsTheScriptsFilesBesideItFromAnotherFolder) {
    MachineFiles files;
    std::string text = GlassHarbor();
    for (size_t at; (at = text.find("@/")) != std::string::npos;) text.erase(at, 2);
    const std::string script = files.Script(text);
    // The script's path from the test's folder, the one the tool starts in.
    const std::string relative = script.substr(script.find("machine_files_"));
    const std::string out = files.Output("relative.slot");
    const ToolRun run = RunVslc(files, relative + " " + out);
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(ReadAssetFileTitle(out), "Glass Harbor");
}

}  // namespace

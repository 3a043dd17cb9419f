// A machine build under the progress dialog: the stages as percentages, the dialog's
// Cancel, a quit message arriving during the build, the owner disabled while it runs,
// and the test build's "results" box, which names the file a good build wrote and fits
// the work area however many messages it holds.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Application.h"
#include "AssetFileTitle.h"
#include "BuildProgress.h"
#include "ItchyFile.h"
#include "MachineFiles.h"
#include "MessageBoxWatcher.h"
#include "MessageCollector.h"
#include "ReportBoxWatcher.h"
#include "ProgressDialog.h"
#include "SystemInfo.h"
#include "TestBuildScript.h"
#include "Window.h"

namespace {

const UINT kProbe = WM_APP + 7;

// A window whose probe message, when the build dispatches it, notes whether the owner
// window could take input at that moment.
struct Probe {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kProbe) {
            seen.push_back(IsWindowEnabled(reinterpret_cast<HWND>(wParam)) != FALSE);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    Probe() {
        WNDCLASSA c{};
        c.lpfnWndProc = Procedure;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = "BuildProgressProbe";
        RegisterClassA(&c);
        window = CreateWindowA("BuildProgressProbe", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, c.hInstance, nullptr);
        seen.clear();
    }
    ~Probe() { DestroyWindow(window); }
    HWND window;
    static std::vector<bool> seen;
};
std::vector<bool> Probe::seen;

class BuildUnderDialog : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        ownerWindow = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        owner.Attach(ownerWindow);
        ASSERT_TRUE(dialog.CreateFromResource(&owner, IDD_PROGRESS_CANCEL));
        dialog.BeginStep(100);
    }
    void TearDown() override {
        if (!dialog.IsClosed()) dialog.Close();
        DestroyWindow(ownerWindow);
    }

    ItchyFile itchy;
    ProgressDialog dialog{itchy.Path(), 6, 1, 1};
    HWND ownerWindow = nullptr;
    Window owner;
    MachineFiles files;
    MessageCollector messages;
};

TEST_F(BuildUnderDialog, StagesShowAsPercentsAndTheOwnerIsDisabledForTheBuild) {
    {
        BuildProgress progress(dialog);
        EXPECT_FALSE(IsWindowEnabled(ownerWindow));
        const int32_t expected[] = {0, 12, 25, 50};
        for (int32_t stage = 0; stage < 4; ++stage) {
            progress.SetStage(stage);
            EXPECT_EQ(dialog.GetPosition(), expected[stage]);
        }
        progress.SetStage(4);
        EXPECT_EQ(dialog.GetPosition(), 50);
        progress.SetPercent(87);
        EXPECT_EQ(dialog.GetPosition(), 87);
    }
    EXPECT_TRUE(IsWindowEnabled(ownerWindow));
}

TEST_F(BuildUnderDialog, ABuildDispatchesMessagesAndReachesTheEnd) {
    Probe probe;
    PostMessageA(probe.window, kProbe, WPARAM(ownerWindow), 0);
    const std::string out = files.Output("dialog.slot");
    EXPECT_TRUE(BuildMachine(files.Script(GlassHarbor()), out, messages, &dialog));
    EXPECT_EQ(Probe::seen, std::vector<bool>{false});
    EXPECT_EQ(dialog.GetPosition(), 100);
    EXPECT_TRUE(IsWindowEnabled(ownerWindow));
    EXPECT_EQ(ReadAssetFileTitle(out), "Glass Harbor");
}

TEST_F(BuildUnderDialog, TheDialogsCancelStopsTheBuildWithoutAFile) {
    PostMessageA(dialog.GetHandle(), WM_COMMAND, IDCANCEL, 0);
    const std::string out = files.Output("cancelled.slot");
    EXPECT_FALSE(BuildMachine(files.Script(GlassHarbor()), out, messages, &dialog));
    EXPECT_EQ(messages.messages, std::vector<std::string>{"You cancelled the compile."});
    EXPECT_FALSE(Exists(out));
    EXPECT_TRUE(IsWindowEnabled(ownerWindow));
}

TEST_F(BuildUnderDialog, AQuitMessageCancelsTheBuildAndStaysQueued) {
    PostQuitMessage(7);
    const std::string out = files.Output("quit.slot");
    EXPECT_FALSE(BuildMachine(files.Script(GlassHarbor()), out, messages, &dialog));
    EXPECT_FALSE(Exists(out));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

// The test build finds "itchy.ast" in the program's folder.
class TestBuild : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        GetCurrentDirectoryA(MAX_PATH, previous_);
        const std::string folder = itchy.Path().substr(0, itchy.Path().find_last_of('\\'));
        SetCurrentDirectoryA(folder.c_str());
        SetBaseDirectoryToCurrent();
        SetCurrentDirectoryA(previous_);
    }

    ItchyFile itchy;
    MachineFiles files;
    char previous_[MAX_PATH] = {};
};

TEST_F(TestBuild, AFailedBuildShowsItsMessagesInTheResultsBox) {
    const std::string script = files.Script("Title \"Broken\"\nReels 3\n");
    const std::string out = files.Output("broken.slot");
    BoxWatcher watcher("results");
    TestBuildScript(script, out);
    const SeenBox box = watcher.Result();
    EXPECT_TRUE(box.found);
    EXPECT_NE(box.text.find(" on line "), std::string::npos) << box.text;
    EXPECT_FALSE(Exists(out));
}

// The compiler's error and the builder's note after it stand each on its own line.
TEST_F(TestBuild, EachMessageOfAFailedBuildEndsItsLine) {
    std::string script = GlassHarbor();
    script.replace(script.find("Title \"Glass Harbor\""), 0, "Constant ReelTop = 12o\n");
    ReportWatcher watcher("results");
    TestBuildScript(files.Script(script), files.Output("broken.slot"));
    const SeenReport box = watcher.Result();
    ASSERT_TRUE(box.found);
    EXPECT_NE(box.text.find("Constant ReelTop = 12o\nThe machine was not built: the script has the error above.\n"),
              std::string::npos)
        << box.text;
}

// A payout whose code names what nothing defines does not stop the build, but the box
// says so.
TEST_F(TestBuild, ABuiltMachineWhosePayoutNamesNothingDefinedIsWarnedOf) {
    std::string script = GlassHarbor();
    script.replace(script.find("\"Big()\""), 7, "\"Huge()\"");
    const std::string out = files.Output("warned.slot");
    BoxWatcher watcher("results");
    TestBuildScript(files.Script(script), out);
    const SeenBox box = watcher.Result();
    EXPECT_TRUE(box.found);
    EXPECT_NE(box.text.find("Payout line 2 for 1 coin pays Huge(), but Huge is defined neither by the script nor by "
                            "the machine object"),
              std::string::npos)
        << box.text;
    EXPECT_EQ(ReadAssetFileTitle(out), "Glass Harbor");
}

// A build that goes well says so, naming the machine file it wrote.
TEST_F(TestBuild, ASuccessfulBuildSaysWhichFileItBuilt) {
    const std::string out = files.Output("built.slot");
    ReportWatcher watcher("results");
    TestBuildScript(files.Script(GlassHarbor()), out);
    const SeenReport box = watcher.Result();
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.text, "Built the machine file " + out + ".\n");
    EXPECT_FALSE(box.scrolls);
    EXPECT_EQ(ReadAssetFileTitle(out), "Glass Harbor");
    EXPECT_EQ(BuiltMachineReport("C:\\game\\reels.slot", "Bell has no sound\n"),
              "Built the machine file C:\\game\\reels.slot.\n\nBell has no sound\n");
}

// Many messages are shown in a box that fits the work area, with OK in view.
TEST_F(TestBuild, ManyMessagesFitTheWorkAreaAndScroll) {
    std::string script = "Title \"Broken\"\nReels 3 3\n{\n";
    for (int reel = 0; reel < 3; ++reel) script += "  Reel { Anchor Bell Gull }\n";
    script += "}\nPayLines 1 MaxBet 1 Payouts BestMatch\n{\n";
    for (int row = 0; row < 200; ++row) script += "  all Kelp" + std::to_string(row) + " 1\n";
    script += "}\n";
    ReportWatcher watcher("results");
    TestBuildScript(files.Script(script), files.Output("broken.slot"));
    const SeenReport seen = watcher.Result();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(Inside(seen.box, WorkAreaRect()));
    EXPECT_TRUE(seen.okVisible);
    EXPECT_TRUE(Inside(seen.ok, seen.box));
    EXPECT_TRUE(seen.scrolls) << seen.text.substr(0, 200);
}

}  // namespace

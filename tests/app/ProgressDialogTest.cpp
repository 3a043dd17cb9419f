// The progress dialog as its callers use it: a task thread waits for the dialog, reports
// steps and reads the user's cancel; the animation plays from asset 6 of "itchy.ast" while
// the task runs, and the dialog works as well without that file.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>

#include "DialogDriver.h"
#include "ItchyFile.h"
#include "ProgressDialog.h"
#include "Quor2_5.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"
#include "SprtAsset.h"

namespace {
const uint32_t kAnimationAsset = 6;

int32_t ShownFrame(int32_t sprite) {
    SpriteCreateRecord record = {};
    if (!ExamineSprite(sprite, &record) || !record.extra) return -1;
    return int32_t(reinterpret_cast<const QuorImageBlock*>(uintptr_t(record.extra))->frame);
}

// Watches the sequence start again (the shown frame go back) until it has done so
// `wanted` times; how often it did. A busy machine runs the engine's frames late, so the
// watch waits for the restarts, bounded only against an animation that never plays.
int CountRestarts(int32_t sprite, int wanted) {
    int restarts = 0;
    int32_t last = ShownFrame(sprite);
    for (DWORD start = GetTickCount(); restarts < wanted && GetTickCount() - start < 30000; Sleep(5)) {
        const int32_t frame = ShownFrame(sprite);
        if (frame < last) ++restarts;
        last = frame;
    }
    return restarts;
}

LRESULT BarPosition(const ProgressDialog& dialog) {
    return SendDlgItemMessageA(dialog.GetHandle(), IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0);
}

class ProgressDialogTest : public ::testing::Test {
protected:
    void SetUp() override { InitCommonControls(); }
};

struct Seen {
    int32_t position = -1, left = -1;
    LRESULT bar = -1, barAtEnd = -1;
    bool animating = false, stopped = false;
    int restarts = 0;
    int32_t frameAfterStop = -1, frameLater = -2;
};

TEST_F(ProgressDialogTest, AdvancesStepByStepAndAnimatesUntilTheTaskIsDone) {
    ItchyFile itchy;
    ProgressDialog dialog(itchy.Path(), kAnimationAsset, 1, 1);
    Seen seen;
    DialogDriver task([&] {
        if (WaitForSingleObject(dialog.GetReadyEvent(), 20000) != WAIT_OBJECT_0) return;
        dialog.BeginStep(40);
        dialog.SetStepPercent(50);
        seen.position = dialog.GetPosition();
        seen.bar = BarPosition(dialog);
        seen.animating = dialog.IsAnimating();
        seen.restarts = CountRestarts(dialog.GetSprite(), 2);
        seen.left = dialog.EndStep();
        dialog.BeginStep(100);
        dialog.SetStepPercent(100);
        seen.barAtEnd = BarPosition(dialog);
        seen.stopped = !dialog.IsAnimating();
        // The sequence plays to its end and stays there.
        for (DWORD start = GetTickCount(); ShownFrame(dialog.GetSprite()) != 3 && GetTickCount() - start < 30000;)
            Sleep(10);
        seen.frameAfterStop = ShownFrame(dialog.GetSprite());
        Sleep(300);
        seen.frameLater = ShownFrame(dialog.GetSprite());
        PostMessageA(dialog.GetHandle(), WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.DoModalFromResource(nullptr, IDD_PROGRESS_PLAIN), 0);
    task.Join();
    EXPECT_EQ(seen.position, 20);
    EXPECT_EQ(seen.bar, 20);
    EXPECT_EQ(seen.left, 60);
    EXPECT_EQ(seen.barAtEnd, 100);
    EXPECT_TRUE(seen.animating);
    EXPECT_GE(seen.restarts, 2);
    EXPECT_TRUE(seen.stopped);
    EXPECT_EQ(seen.frameAfterStop, 3);
    EXPECT_EQ(seen.frameLater, 3);
    EXPECT_TRUE(dialog.IsClosed());
}

TEST_F(ProgressDialogTest, CancelReachesTheTask) {
    ItchyFile itchy;
    ProgressDialog dialog(itchy.Path(), kAnimationAsset, 1, 1);
    std::atomic<bool> taskSawCancel{false};
    DialogDriver task([&] {
        if (WaitForSingleObject(dialog.GetReadyEvent(), 20000) != WAIT_OBJECT_0) return;
        dialog.BeginStep(100);
        for (DWORD start = GetTickCount(); !dialog.IsClosed() && GetTickCount() - start < 15000; Sleep(20))
            dialog.SetStepPercent(int32_t((GetTickCount() - start) / 100 % 90));
        taskSawCancel = dialog.IsClosed();
    });
    DialogDriver user([&] {
        HWND found = WaitForDialog("Working...");
        if (!found) return;
        WaitUntil([found] { return SendDlgItemMessageA(found, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0) >= 3; }, 5000);
        PressButton(found, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModalFromResource(nullptr, IDD_PROGRESS_CANCEL), 0);
    task.Join();
    EXPECT_TRUE(taskSawCancel);
    EXPECT_EQ(dialog.GetHandle(), nullptr);
}

TEST_F(ProgressDialogTest, RunsWithoutTheAnimationFileAndClosesOnce) {
    ProgressDialog dialog("no such folder\\itchy.ast", kAnimationAsset, 1, 1);
    ASSERT_EQ(dialog.CreateFromResource(nullptr, IDD_PROGRESS_CANCEL), 1);
    EXPECT_EQ(WaitForSingleObject(dialog.GetReadyEvent(), 0), DWORD(WAIT_OBJECT_0));
    EXPECT_EQ(dialog.GetSprite(), 0);
    dialog.BeginStep(50);
    dialog.SetStepPercent(60);
    EXPECT_EQ(BarPosition(dialog), 30);
    EXPECT_FALSE(dialog.IsAnimating());
    // Positions above 100 reach the bar as they are (it shows its top).
    dialog.BeginStep(150);
    dialog.SetStepPercent(100);
    EXPECT_EQ(dialog.GetPosition(), 150);
    // A modeless progress dialog closes by going away; a second Close finds nothing to do.
    dialog.Close();
    EXPECT_TRUE(dialog.IsClosed());
    EXPECT_EQ(dialog.GetHandle(), nullptr);
    dialog.Close();
    EXPECT_TRUE(dialog.IsClosed());
}

// The holds of the sprite's first sequence, read from its SPRT data.
std::vector<uint32_t> Holds(int32_t sprite) {
    SpriteCreateRecord record = {};
    std::vector<uint32_t> holds;
    if (!ExamineSprite(sprite, &record)) return holds;
    const auto* block = reinterpret_cast<const QuorImageBlock*>(uintptr_t(record.extra));
    const auto* header = reinterpret_cast<const uint32_t*>(uintptr_t(block->data));
    const auto* sequence = reinterpret_cast<const uint32_t*>(uintptr_t(reinterpret_cast<const uint32_t*>(uintptr_t(header[3]))[0]));
    for (uint32_t i = 1; i <= sequence[0]; ++i)
        holds.push_back(reinterpret_cast<const quor::SprtFrame*>(uintptr_t(sequence[i]))->hold);
    return holds;
}

TEST_F(ProgressDialogTest, AnimationSpeedScalesTheFrameDurations) {
    ItchyFile itchy(3);
    const int32_t file = OpenAssetFile(itchy.Path().c_str());
    ASSERT_NE(file, -1);
    StageParent stage;
    stage.stage = CreateStage(1);
    SpriteHandle sprite;
    ASSERT_TRUE(CreateDefaultAnimSprite(stage, sprite, uint32_t(file) | kAnimationAsset));
    EXPECT_EQ(Holds(sprite.Get()), (std::vector<uint32_t>{3, 3, 3, 3}));
    // 3 x 1 / 4 truncates to 0, which becomes 1: never a frame without time.
    EXPECT_EQ(SetAnimationSpeed(sprite, 1, 4, 0), 4);
    EXPECT_EQ(Holds(sprite.Get()), (std::vector<uint32_t>{1, 1, 1, 1}));
    EXPECT_EQ(SetAnimationSpeed(sprite, 5, 2, 0), 4);
    EXPECT_EQ(Holds(sprite.Get()), (std::vector<uint32_t>{2, 2, 2, 2}));
    EXPECT_EQ(SetAnimationSpeed(sprite, 2, 1, 1), 0);  // no second sequence
    EXPECT_EQ(SetAnimationSpeed(SpriteHandle(), 2, 1, 0), 0);  // no sprite
    sprite.Reset(0);
    DeleteStage(stage.stage);
    stage.stage = 0;
    CloseAssetFile(uint32_t(file));
}
}  // namespace

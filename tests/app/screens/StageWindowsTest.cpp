// The two windows that show a stage without a screen: the TV window with its element host,
// and the stage window over a dialog control with its mouse listeners. Each shows its own
// stage in its TV, makes it anew without leaking the old one and deletes it when it goes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ProbeElement.h"
#include "ResourceCounts.h"
#include "StageWindow.h"
#include "TestScreens.h"
#include "TvWindow.h"

namespace {

int32_t StageShownIn(HWND tv) {
    QuorViewPoint point = {};
    point.size = sizeof point;
    QueryTVPoint(tv, 3, 3, &point);
    return point.stage;
}

class StageWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = MakeHostFrame(RECT{0, 0, 360, 260});
        ASSERT_NE(nullptr, parent_);
        stagesBefore_ = LiveStages();
    }
    std::unique_ptr<HostFrame> parent_;
    int stagesBefore_ = 0;
};

TEST_F(StageWindowsTest, TheTvWindowShowsItsStageRoutesClicksToItsElementsAndDeletesTheStage) {
    auto tv = std::make_unique<TvWindow>(parent_.get(), RECT{10, 10, 210, 160}, 0);
    ASSERT_EQ(1, tv->Create());
    EXPECT_EQ(TvWindow::kControlId, GetDlgCtrlID(tv->GetHandle()));
    EXPECT_EQ(DWORD(0x54000000), DWORD(GetWindowLongA(tv->GetHandle(), GWL_STYLE)) & 0x54000000u);
    ASSERT_TRUE(tv->BuildStage());
    ASSERT_TRUE(tv->BuildStage());
    EXPECT_EQ(stagesBefore_ + 1, LiveStages());
    EXPECT_EQ(tv->GetStage()->stage, StageShownIn(tv->GetHandle()));

    EventLog log;
    ProbeElement element(&log, "knob", RECT{0, 0, 50, 50});
    tv->AddElement(&element, true);
    SendMessageA(tv->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(tv->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(&element, tv->GetActiveElement());
    EXPECT_NE(std::find(log.begin(), log.end(), "knob:action"), log.end());
    EXPECT_EQ(1, tv->CanClose());
    tv.reset();
    EXPECT_EQ(stagesBefore_, LiveStages());
}

class Listener : public StageMouseListener {
public:
    Listener(std::vector<std::string>* log, const char* name) : log_(log), name_(name) {}
    void OnMouse(int x, int y, WPARAM keys) override {
        log_->push_back(name_ + " " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(keys));
    }

private:
    std::vector<std::string>* log_;
    std::string name_;
};

TEST_F(StageWindowsTest, TheStageWindowTakesOverAControlShowsItsColourAndPassesTheMouseOn) {
    HWND control = CreateWindowExA(0, "BraskQUOR_TV", "", WS_CHILD | WS_VISIBLE, 20, 20, 160, 120,
                                   parent_->GetHandle(), reinterpret_cast<HMENU>(77), nullptr, nullptr);
    ASSERT_NE(nullptr, control);
    std::vector<std::string> log;
    Listener left(&log, "left"), right(&log, "right"), move(&log, "move"), leave(&log, "leave");
    {
        StageWindow window(parent_.get(), 77, RGB(255, 0, 0));
        EXPECT_EQ(control, window.GetHandle());
        ASSERT_TRUE(window.Layout());
        ASSERT_TRUE(window.Layout());
        EXPECT_EQ(stagesBefore_ + 1, LiveStages());
        EXPECT_EQ(window.GetStage().stage, StageShownIn(control));
        EXPECT_NE(nullptr, window.GetStage().brush);

        window.SetLeftDownListener(&left);
        window.SetRightDownListener(&right);
        window.SetMoveListener(&move);
        window.SetLeaveListener(&leave);
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 5));
        SendMessageA(control, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(6, 7));
        SendMessageA(control, WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(-2, 9));
        SendMessageA(control, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ((std::vector<std::string>{"left 4,5 1", "right 6,7 2", "move -2,9 4", "leave 0,0 0"}), log);
    }
    // The control stays with its dialog; the stage went.
    EXPECT_TRUE(IsWindow(control));
    EXPECT_EQ(stagesBefore_, LiveStages());
}

}  // namespace

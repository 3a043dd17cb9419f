// The main view's screen host in a real window with the engine's TV: switching by the
// posted message, a refusing screen, switches whose new screen fails or throws, the
// thread-sync token around a throwing build and after an abandoned take, the leak check
// over hundreds of switches, keys reaching the element a screen hands to the key handling,
// and the order in which screen numbers find their screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "Application.h"
#include "MessageBoxWatcher.h"
#include "ResourceCounts.h"
#include "ScreenHost.h"
#include "ScreenNumbers.h"
#include "TestScreens.h"
#include "ThreadSyncToken.h"

namespace {

DWORD WINAPI TakeTokenOnce(void* flag) {
    if (ThreadSyncToken::Obtained(GetThreadSyncToken(0))) {
        ReleaseThreadSyncToken(0);
        static_cast<std::atomic<bool>*>(flag)->store(true);
    }
    return 0;
}

// Takes the token, says so, and ends a little later still holding it, as the frame thread
// of a process that ends while it paints; the test's thread is waiting for it by then.
DWORD WINAPI TakeTokenAndEnd(void* taken) {
    GetThreadSyncToken(0);
    SetEvent(static_cast<HANDLE>(taken));
    Sleep(100);
    return 0;
}

// Whether another thread gets the token (it is not held here any more). The wait is a
// bound, not a measurement: every process that runs the engine shares the token.
bool AnotherThreadGetsTheToken() {
    std::atomic<bool> got{false};
    HANDLE thread = CreateThread(nullptr, 0, TakeTokenOnce, &got, 0, nullptr);
    if (!thread) return false;
    const bool ended = WaitForSingleObject(thread, 20000) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return ended && got.load();
}

class ScreenHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = MakeHostFrame(RECT{0, 0, 420, 320});
        ASSERT_NE(nullptr, main_);
        SetMainWindow(main_.get());
        pane_ = std::make_unique<TvPane>(main_.get(), kLobbyScreenNumber);
        ASSERT_NE(nullptr, pane_->GetHandle());
    }
    void TearDown() override {
        pane_.reset();
        SetMainWindow(nullptr);
        main_.reset();
    }
    void Install() {
        pane_->InstallScreen();
        ASSERT_NE(nullptr, Current());
    }
    ScreenHost& Host() { return pane_->GetHost(); }
    Screen* Current() { return Host().GetScreen(); }
    void SwitchTo(int32_t number) {
        Host().EndScreen(number);
        PumpMessages();
    }
    void Click(int x, int y) {
        SendMessageA(pane_->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(pane_->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    bool Logged(const std::string& entry) {
        const EventLog& log = ScreenLog();
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
    // The stage the view's TV shows at a point.
    int32_t StageShown() {
        QuorViewPoint point = {};
        point.size = sizeof point;
        QueryTVPoint(pane_->GetHandle(), 5, 5, &point);
        return point.stage;
    }

    TestScreenTable table_;
    std::unique_ptr<HostFrame> main_;
    std::unique_ptr<TvPane> pane_;
};

TEST_F(ScreenHostTest, SwitchingHundredsOfTimesKeepsStagesSpritesAndWindowObjectsFlat) {
    Plans()[2].menuId = kLobbyMenuId;
    Install();
    for (int i = 0; i < 4; ++i) {
        SwitchTo(2);
        SwitchTo(1);
    }
    const ResourceCounts before = CountResources();
    EXPECT_GE(before.stages, 1);
    EXPECT_GE(before.sprites, 1);
    for (int i = 0; i < 150; ++i) {
        SwitchTo(2);
        ASSERT_EQ(2, Current()->GetNumber());
        SwitchTo(1);
        ASSERT_EQ(1, Current()->GetNumber());
    }
    const ResourceCounts after = CountResources();
    EXPECT_EQ(before.stages, after.stages);
    EXPECT_EQ(before.sprites, after.sprites);
    // Wine's own caches may hold one or two objects more; a leak would be one per switch.
    EXPECT_LE(after.gdi, before.gdi + 3);
    EXPECT_LE(after.user, before.user + 3);
    EXPECT_EQ(Current()->GetStage().stage, StageShown());
    EXPECT_NE(nullptr, GetMenu(main_->GetHandle()));
}

TEST_F(ScreenHostTest, TheSwitchBuildsTheNewScreenEntersItAndPutsItsMenuOn) {
    Plans()[2].menuId = kLobbyMenuId;
    Install();
    Screen* first = Current();
    EXPECT_TRUE(Logged("screen1:enter"));
    EXPECT_EQ(first->GetStage().stage, StageShown());
    HMENU firstMenu = GetMenu(main_->GetHandle());
    SwitchTo(2);
    EXPECT_FALSE(IsMenu(firstMenu));  // the menu bar taken off goes
    ASSERT_NE(first, Current());
    EXPECT_EQ(2, Current()->GetNumber());
    EXPECT_TRUE(Logged("screen2:enter"));
    EXPECT_EQ(Current()->GetStage().stage, StageShown());
    char caption[32] = {};
    GetMenuStringA(GetMenu(main_->GetHandle()), 0, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ("&Casino", caption);
    // The new screen takes the clicks, through the host's element host.
    ScreenLog().clear();
    Click(20, 20);
    EXPECT_TRUE(Logged("screen2:action"));
    // A number without a screen changes nothing.
    SwitchTo(77);
    EXPECT_EQ(2, Current()->GetNumber());
}

TEST_F(ScreenHostTest, AScreenThatRefusesToEndStopsTheSwitch) {
    Plans()[1].canEnd = false;
    Install();
    Screen* first = Current();
    HMENU menu = GetMenu(main_->GetHandle());
    Host().EndScreen(2);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, pane_->GetHandle(), kSwitchScreenMessage, kSwitchScreenMessage, PM_NOREMOVE));
    PumpMessages();
    EXPECT_EQ(first, Current());
    EXPECT_FALSE(Logged("screen2:built"));
    EXPECT_EQ(menu, GetMenu(main_->GetHandle()));
    EXPECT_EQ(0, pane_->CanClose());
}

TEST_F(ScreenHostTest, ASwitchWhoseScreenFailsLeavesTheOldScreenWholeAndTakingInput) {
    Plans()[2].builds = false;
    Install();
    Screen* first = Current();
    const ResourceCounts before = CountResources();
    SwitchTo(2);
    EXPECT_TRUE(Logged("screen2:built"));
    EXPECT_EQ(first, Current());
    EXPECT_EQ(first->GetStage().stage, StageShown());
    ScreenLog().clear();
    Click(20, 20);
    EXPECT_TRUE(Logged("screen1:action"));
    const ResourceCounts after = CountResources();
    EXPECT_EQ(before.stages, after.stages);
    EXPECT_EQ(before.sprites, after.sprites);
}

TEST_F(ScreenHostTest, ASwitchWhoseBuildThrowsIsReportedAndTheOldScreenStays) {
    Plans()[2].throws = TestScreenPlan::kStructured;
    Install();
    Screen* first = Current();
    BoxWatcher watcher("C exception!");
    SwitchTo(2);
    const SeenBox box = watcher.Result();
    EXPECT_TRUE(box.found);
    EXPECT_EQ("The program committed an error (EXCEPTION_ACCESS_VIOLATION:C0000005)", box.text);
    EXPECT_EQ(first, Current());
    ScreenLog().clear();
    Click(20, 20);
    EXPECT_TRUE(Logged("screen1:action"));
}

TEST_F(ScreenHostTest, SetScreenThrows86ForAFailedSetUpAndGivesTheTokenBackWhenTheBuildThrows) {
    Install();
    Screen* first = Current();
    const RECT area = Host().GetArea();
    Plans()[3].builds = false;
    try {
        Host().SetScreen(pane_.get(), area, new TestScreen(3));
        ADD_FAILURE() << "no exception";
    } catch (int code) {
        EXPECT_EQ(86, code);
    }
    EXPECT_EQ(first, Current());
    Plans()[3] = TestScreenPlan();
    Plans()[3].throws = TestScreenPlan::kInteger;
    EXPECT_THROW(Host().SetScreen(pane_.get(), area, new TestScreen(3)), int);
    EXPECT_EQ(first, Current());
    // Another thread gets the token: it was given back on the way out.
    EXPECT_TRUE(AnotherThreadGetsTheToken());
}

// The token is a mutex of every process that runs the engine: one that ends while its
// frame thread paints leaves it abandoned. The next take owns it all the same, and gives
// it back, or no other thread of any process could paint again.
TEST_F(ScreenHostTest, ATokenLeftAbandonedByAnEndedHolderIsTakenAndGivenBack) {
    HANDLE taken = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE holder = CreateThread(nullptr, 0, TakeTokenAndEnd, taken, 0, nullptr);
    ASSERT_NE(nullptr, holder);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(taken, 20000));
    { ThreadSyncToken token; }  // waits for the holder to end
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(holder, 20000));
    CloseHandle(holder);
    CloseHandle(taken);
    EXPECT_TRUE(AnotherThreadGetsTheToken());
}

TEST_F(ScreenHostTest, KeysReachTheElementTheScreenHandsToTheKeyHandling) {
    Install();
    ProbeElement keyed(&ScreenLog(), "keyed", RECT{200, 10, 260, 60});
    keyed.keyWants = 4;  // letters are its own, not hot keys
    Current()->AddElement(&keyed, true);
    ScreenLog().clear();
    SendMessageA(pane_->GetHandle(), WM_KEYDOWN, 'Q', 0);
    EXPECT_FALSE(Logged("keyed:key Q"));
    Current()->AddKeyElement(&keyed);
    SendMessageA(pane_->GetHandle(), WM_KEYDOWN, 'Q', 0);
    SendMessageA(pane_->GetHandle(), WM_CHAR, 'q', 0);
    EXPECT_EQ((EventLog{"keyed:focus+", "keyed:key Q", "keyed:char q"}), ScreenLog());
    // Handing over nothing takes the keys away again.
    Current()->AddKeyElement(nullptr);
    SendMessageA(pane_->GetHandle(), WM_KEYDOWN, 'R', 0);
    EXPECT_TRUE(Logged("keyed:focus-"));
    EXPECT_FALSE(Logged("keyed:key R"));
    Current()->RemoveElement(&keyed, true);
}

TEST_F(ScreenHostTest, DeletingTheHostDeletesTheScreenWithItsStageAndCamera) {
    const int stagesBefore = LiveStages();
    Install();
    EXPECT_EQ(stagesBefore + 1, LiveStages());
    pane_.reset();
    EXPECT_EQ(stagesBefore, LiveStages());
}

TEST(ScreenNumbers, MachinesFirstThenTheCreditsThenBuiltInMachinesThenTheTable) {
    static std::vector<std::string> made;
    made.clear();
    static const NumberedScreen table[] = {
        {0, [](int32_t) -> Screen* { made.push_back("splash"); return nullptr; }},
        {1, [](int32_t) -> Screen* { made.push_back("lobby"); return nullptr; }},
        {2, nullptr},
        {3, [](int32_t) -> Screen* { made.push_back("three"); return nullptr; }},
        {-1, nullptr}};
    ScreenMakers makers;
    makers.machine = [](int32_t n) -> Screen* { made.push_back("machine " + std::to_string(n)); return nullptr; };
    makers.credits = [](int32_t) -> Screen* { made.push_back("credits"); return nullptr; };
    makers.isBuiltInMachine = [](int32_t n) { return n >= 5 && n <= 26; };
    makers.table = table;
    const ScreenMakers previous = SetScreenMakers(makers);
    for (int32_t n : {-3, 25, 7, 0, 1, 3, 4, -1}) CreateScreenByNumber(n);
    SetScreenMakers(previous);
    // The table ends at its first row without a maker: 3 is never reached.
    EXPECT_EQ((std::vector<std::string>{"machine -3", "credits", "machine 7", "splash", "lobby", "machine -1"}),
              made);
}

}  // namespace

// The application object's loop and its fatal-error path, frame listeners, the screen
// slots and the main window's placement.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "Application.h"
#include "CaptionPainter.h"
#include "MemoryPlayerStore.h"
#include "PlayerRoster.h"
#include "FatalText.h"
#include "FrameListeners.h"
#include "FrameWindow.h"
#include "GameApplication.h"
#include "MessageBoxWatcher.h"
#include "ScreenSlots.h"

namespace {
const UINT kFail = WM_USER + 40;

class FailingMain : public FrameWindow {
public:
    explicit FailingMain(int how) : how_(how) {
        BindMessage(kFail, this, &FailingMain::Fail);
        SetStyle(WS_OVERLAPPEDWINDOW);
        SetRect(RECT{0, 0, 300, 200});
        SetText("failing");
    }
    ~FailingMain() override { ++deleted; }
    int OnCreate() override {
        if (how_ == 3) {
            // A subclassed child whose handler throws.
            HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, GetHandle(), nullptr,
                                         GetModuleHandleA(nullptr), nullptr);
            child_.Attach(child);
            child_.BindMessage(kFail, this, &FailingMain::Fail);
        }
        return 1;
    }
    void OnDestroy() override { PostQuitMessage(0); }
    LRESULT Fail(WPARAM, LPARAM) {
        if (how_ == 2) throw 7;
        throw std::runtime_error("reel jammed");
    }
    void Trigger() {
        if (how_ == 3)
            ::PostMessageA(child_.GetHandle(), kFail, 0, 0);
        else if (how_ == 4)
            ::PostMessageA(GetHandle(), WM_CLOSE, 0, 0);
        else
            ::PostMessageA(GetHandle(), kFail, 0, 0);
    }
    static int deleted;

private:
    int how_;
    Window child_;
};
int FailingMain::deleted = 0;

class TestApplication : public Application {
public:
    explicit TestApplication(int how) : Application(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), line), how_(how) {}
    Window* CreateMainWindow() override { return new FailingMain(how_); }
    void OnMainWindowCreated(Window* window) override {
        window->Show();
        static_cast<FailingMain*>(window)->Trigger();
    }

private:
    int how_;
    char line[1] = "";
};
}  // namespace

TEST(Application, HandlerExceptionOnTheMainWindowEndsTheLoopWithTheExceptionBox) {
    FailingMain::deleted = 0;
    TestApplication app(1);
    BoxWatcher watcher("Exception!");
    EXPECT_EQ(0, app.Run());
    const SeenBox box = watcher.Result();
    EXPECT_TRUE(box.found);
    EXPECT_EQ("Exception reel jammed", box.text);
    EXPECT_FALSE(HasFatalText());
    EXPECT_EQ(1, FailingMain::deleted);
}

TEST(Application, IntFromTheMainWindowIsDescribedAsSuch) {
    TestApplication app(2);
    BoxWatcher watcher("Exception!");
    EXPECT_EQ(0, app.Run());
    EXPECT_EQ("Int Exception 7", watcher.Result().text);
}

TEST(Application, ExceptionOfASubclassedChildIsRaisedOnOurSideAndReported) {
    FailingMain::deleted = 0;
    TestApplication app(3);
    BoxWatcher watcher("Exception!");
    EXPECT_EQ(3, app.Run());
    const SeenBox box = watcher.Result();
    EXPECT_TRUE(box.found);
    EXPECT_EQ("reel jammed", box.text);
    EXPECT_EQ(1, FailingMain::deleted);
}

TEST(Application, NormalEndThroughTheQuitMessage) {
    FailingMain::deleted = 0;
    TestApplication app(4);
    EXPECT_EQ(0, app.Run());
    EXPECT_EQ(1, FailingMain::deleted);
}

namespace {
struct CountingListener : FrameListener {
    std::vector<int32_t> frames;
    bool fail = false;
    void OnFrame(int32_t elapsed) override {
        frames.push_back(elapsed);
        if (fail) throw std::runtime_error("listener failed");
    }
};
}  // namespace

TEST(FrameListeners, EachListenerOncePerFrameAndAThrowingOneIsDropped) {
    CountingListener first, failing, last;
    failing.fail = true;
    AddFrameListener(&first);
    AddFrameListener(&first);
    AddFrameListener(&failing);
    AddFrameListener(&last);
    OnEngineFrame(2);
    OnEngineFrame(1);
    EXPECT_EQ((std::vector<int32_t>{2, 1}), first.frames);
    EXPECT_EQ((std::vector<int32_t>{2}), failing.frames);
    EXPECT_EQ((std::vector<int32_t>{2, 1}), last.frames);
    RemoveFrameListener(&first);
    OnEngineFrame(3);
    EXPECT_EQ(2u, first.frames.size());
    EXPECT_EQ(3u, last.frames.size());
    RemoveFrameListener(&last);
    RemoveFrameListener(&last);
}

namespace {
class ScreenWindow : public Window {
public:
    explicit ScreenWindow(int* deleted) : deleted_(deleted) {}
    ~ScreenWindow() override { ++*deleted_; }
    int CanClose() override { return mayClose; }
    int mayClose = 1;

private:
    int* deleted_;
};
}  // namespace

TEST(ScreenSlots, CloseAskesTheScreenAndParkingKeepsItUntilDeleted) {
    EXPECT_TRUE(CloseCurrentScreen());  // none
    int deleted = 0;
    auto* screen = new ScreenWindow(&deleted);
    Window parent;
    screen->SetStyle(WS_OVERLAPPED);
    ASSERT_EQ(1, screen->Create(&parent));
    SetCurrentScreen(screen);
    screen->mayClose = 0;
    EXPECT_FALSE(CloseCurrentScreen());
    EXPECT_TRUE(IsWindow(screen->GetHandle()));
    screen->mayClose = 1;
    EXPECT_TRUE(CloseCurrentScreen());
    EXPECT_EQ(nullptr, screen->GetHandle());
    ParkCurrentScreen();
    EXPECT_EQ(nullptr, GetCurrentScreen());
    EXPECT_EQ(screen, GetParkedScreen());
    EXPECT_EQ(0, deleted);
    SetCurrentScreen(new ScreenWindow(&deleted));
    ParkCurrentScreen();  // the parked one goes, the current one is parked
    EXPECT_EQ(1, deleted);
    DeleteParkedScreen();
    EXPECT_EQ(2, deleted);
    EXPECT_EQ(nullptr, GetParkedScreen());
}

TEST(MainWindowPlacement, OnlyAScreenBelowBothLimitsIsRefused) {
    RECT work = {0, 0, 1024, 738};
    RECT rect;
    EXPECT_FALSE(ComputeMainWindowRect(640, 480, work, false, &rect));
    EXPECT_TRUE(ComputeMainWindowRect(800, 480, work, false, &rect));
    EXPECT_TRUE(ComputeMainWindowRect(640, 600, work, false, &rect));
}

TEST(MainWindowPlacement, ClientAreaIs794By556CentredInTheWorkArea) {
    RECT work = {0, 30, 1024, 768};
    RECT rect;
    ASSERT_TRUE(ComputeMainWindowRect(1024, 768, work, false, &rect));
    RECT client = {0, 0, 794, 556};
    AdjustWindowRect(&client, 0x82CA0000u, FALSE);
    EXPECT_EQ(client.right - client.left, rect.right - rect.left);
    EXPECT_EQ(client.bottom - client.top, rect.bottom - rect.top);
    EXPECT_EQ((1024 - (rect.right - rect.left)) / 2, rect.left);
    EXPECT_EQ((738 - (rect.bottom - rect.top)) / 2, rect.top);  // the work area's top is not added

    RECT small = {0, 0, 700, 500};
    ASSERT_TRUE(ComputeMainWindowRect(800, 480, small, false, &rect));
    EXPECT_EQ(700, rect.right - rect.left);
    EXPECT_EQ(500, rect.bottom - rect.top);
    EXPECT_EQ(0, rect.left);
}

TEST(CaptionPainter, TextIsTheNameWithoutTrailingBlanksAndTheCashWithCents) {
    EXPECT_EQ("Ada Lovelace : $1,234.56", CaptionPainter::ComposeText("Ada Lovelace   ", 123456));
    EXPECT_EQ("Ada : 5\xA2", CaptionPainter::ComposeText("Ada  ", 5));
    EXPECT_EQ(" : 0", CaptionPainter::ComposeText(" ", 0));
}

namespace {
// Ada Lovelace (current, $100.00) and Grace Hopper ($30.00), kept in memory.
struct CaptionPlayers {
    CaptionPlayers() {
        store.slots[0] = {"Ada Lovelace", 10000, 0, 1012026, true};
        store.slots[2] = {"Grace Hopper", 3000, 0, 2012026, false};
        roster = std::make_unique<PlayerRoster>(store);
    }
    MemoryPlayerStore store;
    std::unique_ptr<PlayerRoster> roster;
};

HWND MakeToolWindow() {
    return CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "tool", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 700, 200,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}
}  // namespace

TEST(CaptionPainter, PaintsIntoTheTargetsCaptionAreaAndNothingWithoutATarget) {
    CaptionPlayers players;
    CaptionPainter painter(players.roster.get());
    painter.Paint(true);  // no target: nothing happens
    HWND tool = MakeToolWindow();
    ASSERT_TRUE(tool);
    painter.SetActive(true);
    painter.SetTargetHandle(tool);
    EXPECT_EQ(380, painter.GetTextRect().left);
    EXPECT_EQ(580, painter.GetTextRect().right);
    EXPECT_EQ(GetSystemMetrics(SM_CYSMCAPTION), painter.GetTextRect().bottom);
    EXPECT_EQ("Ada Lovelace : $100.00", painter.GetPaintedText());
    painter.SetActive(false);
    EXPECT_EQ("", painter.GetPaintedText()) << "switched off, the text is erased";
    DestroyWindow(tool);
    painter.Paint(true);  // the window is gone: nothing happens
}

// While active the painter follows the current player and the player's money; switched
// off, or gone, it listens no more.
TEST(CaptionPainter, FollowsTheCurrentPlayerAndTheMoneyWhileActive) {
    CaptionPlayers players;
    PlayerRoster& roster = *players.roster;
    HWND tool = MakeToolWindow();
    ASSERT_TRUE(tool);
    {
        CaptionPainter painter(&roster);
        painter.SetTargetHandle(tool);
        roster.AddCash(Money(-2500));
        EXPECT_EQ("", painter.GetPaintedText()) << "not active yet";
        painter.SetActive(true);
        EXPECT_EQ("Ada Lovelace : $75.00", painter.GetPaintedText()) << "painted when switched on";
        roster.AddCash(Money(-50));
        EXPECT_EQ("Ada Lovelace : $74.50", painter.GetPaintedText());
        roster.Borrow(0, Money(100000));
        EXPECT_EQ("Ada Lovelace : $1,074.50", painter.GetPaintedText());

        roster.SetCurrentIndex(2);
        EXPECT_EQ("Grace Hopper : $30.00", painter.GetPaintedText());
        roster.AddCash(Money(5));
        EXPECT_EQ("Grace Hopper : $30.05", painter.GetPaintedText());
        roster.GetRecord(0).SetCash(Money(1));
        EXPECT_EQ("Grace Hopper : $30.05", painter.GetPaintedText()) << "Ada is not playing";
        roster.DeletePlayer(2);
        EXPECT_EQ(" : 0", painter.GetPaintedText()) << "nobody is playing";

        roster.SetCurrentIndex(0);
        painter.SetActive(false);
        roster.AddCash(Money(7));
        EXPECT_EQ("", painter.GetPaintedText());
        EXPECT_EQ(0u, roster.Listeners().GetCount());
        EXPECT_EQ(0u, roster.GetRecord(0).Listeners().GetCount());
        painter.SetActive(true);
    }
    EXPECT_EQ(0u, roster.Listeners().GetCount()) << "a painter that goes stops listening";
    EXPECT_EQ(0u, roster.GetRecord(0).Listeners().GetCount());
    roster.AddCash(Money(1));
    DestroyWindow(tool);
}

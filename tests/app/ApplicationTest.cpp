// The application object's loop and its fatal-error path, frame listeners, the screen
// slots and the main window's placement.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "Application.h"
#include "CaptionPainter.h"
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

TEST(CaptionPainter, PaintsIntoTheTargetsCaptionAreaAndNothingWithoutATarget) {
    CaptionPainter painter;
    painter.Paint(true);  // no target: nothing happens
    HWND tool = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "tool", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0,
                                700, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(tool);
    painter.SetActive(true);
    painter.SetTargetHandle(tool);
    EXPECT_EQ(380, painter.GetTextRect().left);
    EXPECT_EQ(580, painter.GetTextRect().right);
    EXPECT_EQ(GetSystemMetrics(SM_CYSMCAPTION), painter.GetTextRect().bottom);
    painter.SetActive(false);
    painter.Paint(false);
    DestroyWindow(tool);
    painter.Paint(true);  // the window is gone: nothing happens
}

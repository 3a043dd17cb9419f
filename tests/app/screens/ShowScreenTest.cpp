// The current screen window opened through the screen factories over a main window with
// its main view: one at a time, a refused close, a creation that fails, a build that throws
// (the error box, the cursor given back, the program still able to open the next window),
// and the texts of the box.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "Application.h"
#include "DialogDriver.h"
#include "MessageBoxWatcher.h"
#include "ResourceCounts.h"
#include "ScreenErrorBox.h"
#include "ScreenSlots.h"
#include "ShowScreen.h"
#include "TestScreens.h"

namespace {

std::string namedFile;

class ShowScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = MakeHostFrame(RECT{0, 0, 640, 480});
        ASSERT_NE(nullptr, main_);
        SetMainWindow(main_.get());
        mainView_ = std::make_unique<TvPane>(main_.get(), 0);
        mainView_->InstallScreen();
        ScreenWindowMakers makers;
        makers.byNumber = [](Window*, int32_t number) -> ScreenWindow* {
            return new TestScreenWindow(number, number != 9);
        };
        makers.byFile = [](Window*, const std::string& file) -> ScreenWindow* {
            namedFile = file;
            return new TestScreenWindow(2);
        };
        previous_ = SetScreenWindowMakers(makers);
    }
    void TearDown() override {
        if (Window* current = GetCurrentScreen()) current->Destroy();
        DeleteParkedScreen();
        SetScreenWindowMakers(previous_);
        mainView_.reset();
        SetMainWindow(nullptr);
        main_.reset();
    }
    static TestScreenWindow* CurrentWindow() { return dynamic_cast<TestScreenWindow*>(GetCurrentScreen()); }
    static int32_t CurrentNumber() {
        TestScreenWindow* window = CurrentWindow();
        Screen* screen = window && window->GetPane() ? window->GetPane()->GetHost().GetScreen() : nullptr;
        return screen ? screen->GetNumber() : -100;
    }

    TestScreenTable table_;
    std::unique_ptr<HostFrame> main_;
    std::unique_ptr<TvPane> mainView_;
    ScreenWindowMakers previous_;
};

TEST_F(ShowScreenTest, EachNewScreenWindowReplacesTheOneBefore) {
    EXPECT_TRUE(ShowPlainScreen(1));
    TestScreenWindow* first = CurrentWindow();
    ASSERT_NE(nullptr, first);
    EXPECT_TRUE(IsWindowVisible(first->GetHandle()));
    EXPECT_EQ(1, CurrentNumber());
    RECT client, pane;
    GetClientRect(first->GetHandle(), &client);
    GetClientRect(first->GetPane()->GetHandle(), &pane);
    EXPECT_EQ(client.right, pane.right);
    EXPECT_EQ(client.bottom, pane.bottom);

    EXPECT_TRUE(ShowScreenZoomed(2, RECT{320, 240, 320, 240}));
    EXPECT_EQ(first, GetParkedScreen());
    EXPECT_EQ(nullptr, first->GetHandle());
    EXPECT_EQ(2, CurrentNumber());

    EXPECT_TRUE(ShowNamedScreen("orchard.slot"));
    EXPECT_EQ("orchard.slot", namedFile);
    EXPECT_EQ(2, CurrentNumber());
}

TEST_F(ShowScreenTest, ARefusedCloseLeavesTheCurrentWindowAndMakesNoNewOne) {
    Plans()[1].canEnd = false;
    ASSERT_TRUE(ShowPlainScreen(1));
    TestScreenWindow* first = CurrentWindow();
    EXPECT_FALSE(ShowPlainScreen(2));
    EXPECT_EQ(first, CurrentWindow());
    EXPECT_TRUE(IsWindow(first->GetHandle()));
    EXPECT_EQ(nullptr, GetParkedScreen());
    EXPECT_EQ(0u, ScreenLog().size() - std::count(ScreenLog().begin(), ScreenLog().end(), "screen0:built") -
                      std::count(ScreenLog().begin(), ScreenLog().end(), "screen0:enter") -
                      std::count(ScreenLog().begin(), ScreenLog().end(), "screen1:built") -
                      std::count(ScreenLog().begin(), ScreenLog().end(), "screen1:enter"));
}

TEST_F(ShowScreenTest, AThrowingBuildShowsTheErrorBoxAndTheProgramStaysUsable) {
    Plans()[3].throws = TestScreenPlan::kStructured;
    ASSERT_TRUE(ShowPlainScreen(1));
    const ResourceCounts before = CountResources();
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    {
        BoxWatcher watcher("C exception!");
        EXPECT_FALSE(ShowPlainScreen(3));
        const SeenBox box = watcher.Result();
        EXPECT_TRUE(box.found);
        EXPECT_EQ("The program committed an error (EXCEPTION_ACCESS_VIOLATION:C0000005)", box.text);
    }
    EXPECT_EQ(arrow, GetCursor());
    EXPECT_EQ(nullptr, GetCurrentScreen());
    EXPECT_EQ(nullptr, FindOwnWindow(kMainWindowClass, "Test screen window"));
    DeleteParkedScreen();
    const ResourceCounts after = CountResources();
    // The window of screen 1 and its stage went; the failed one left nothing behind.
    EXPECT_EQ(before.stages - 1, after.stages);
    EXPECT_EQ(before.sprites - 1, after.sprites);

    // A failed set-up is reported with its integer.
    Plans()[3] = TestScreenPlan();
    Plans()[3].builds = false;
    {
        BoxWatcher watcher("Int exception!");
        EXPECT_FALSE(ShowPlainScreen(3));
        EXPECT_EQ("The program committed an error (int-code:86)", watcher.Result().text);
    }
    EXPECT_TRUE(ShowPlainScreen(2));
    EXPECT_EQ(2, CurrentNumber());
}

TEST_F(ShowScreenTest, AWindowWhoseCreationFailsIsDroppedAndNothingIsShown) {
    EXPECT_FALSE(ShowPlainScreen(9));
    EXPECT_EQ(nullptr, GetCurrentScreen());
    EXPECT_EQ(nullptr, FindOwnWindow(kMainWindowClass, "Test screen window"));
    EXPECT_TRUE(ShowPlainScreen(1));
}

TEST(ScreenErrorBox, TextsAndCaptionsByKindOfException) {
    auto describe = [](auto thrower) {
        try {
            thrower();
        } catch (...) {
            return DescribeScreenError();
        }
        return ScreenErrorText();
    };
    ScreenErrorText e = describe([] { throw std::runtime_error("no reels"); });
    EXPECT_EQ("no reels", e.text);
    EXPECT_EQ("Exception!", e.caption);
    e = describe([] { throw SE_Exception(0x12AB); });
    EXPECT_EQ("The program committed an error (:12AB)", e.text);
    EXPECT_EQ("C exception!", e.caption);
    e = describe([] { throw SE_Exception(0xC0000094u); });
    EXPECT_EQ("The program committed an error (EXCEPTION_INT_DIVIDE_BY_ZERO:C0000094)", e.text);
    e = describe([] { throw -5; });
    EXPECT_EQ("The program committed an error (int-code:-5)", e.text);
    EXPECT_EQ("Int exception!", e.caption);
    e = describe([] { throw 2.5; });
    EXPECT_EQ("The program committed an error.", e.text);
    EXPECT_EQ("Exception!", e.caption);
}

}  // namespace

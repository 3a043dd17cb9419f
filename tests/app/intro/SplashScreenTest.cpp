// The splash screen in the main view: a click or a key leads to the Front Desk on the first
// run and to the lobby afterwards; a screen that goes stops its wait thread; its asset file
// is closed even when its handle is 0.
#include <gtest/gtest.h>

#include "IntroSettings.h"
#include "Application.h"
#include "ScreenHost.h"
#include "ScreenNumbers.h"
#include "SplashScreen.h"
#include "TestScreens.h"

namespace {

const NumberedScreen kSplashAndTestScreens[] = {{0, &SplashScreen::Make}, {1, &TestScreen::Make},
                                                {2, &TestScreen::Make}, {3, &TestScreen::Make},
                                                {-1, nullptr}};

class SplashScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCurrentDirectoryA(VSL_PROGRAM_DIR);
        ScreenMakers makers = GetScreenMakers();
        makers.table = kSplashAndTestScreens;
        SetScreenMakers(makers);
        main_ = MakeHostFrame(RECT{0, 0, 420, 320});
        ASSERT_NE(nullptr, main_);
        SetMainWindow(main_.get());
    }
    void TearDown() override {
        pane_.reset();
        SetMainWindow(nullptr);
        main_.reset();
    }
    void ShowSplash() {
        pane_ = std::make_unique<TvPane>(main_.get(), kSplashScreenNumber);
        pane_->InstallScreen();
        ASSERT_NE(nullptr, dynamic_cast<SplashScreen*>(Host().GetScreen()));
    }
    ScreenHost& Host() { return pane_->GetHost(); }
    // The number of the screen shown once the main view has switched, or the splash's.
    int32_t ScreenAfterSwitch(DWORD milliseconds) {
        const DWORD end = GetTickCount() + milliseconds;
        while (GetTickCount() < end && Host().GetScreen()->GetNumber() == kSplashScreenNumber) {
            PumpMessages();
            Sleep(10);
        }
        return Host().GetScreen()->GetNumber();
    }

    TestScreenTable table_;
    IntroSettings settings_;
    std::unique_ptr<HostFrame> main_;
    std::unique_ptr<TvPane> pane_;
};

TEST_F(SplashScreenTest, ItsAssetFileIsClosedEvenWithHandleZero) {
    // The first asset file the process opens gets handle 0.
    ShowSplash();
    pane_.reset();
    CloseAssetFile(0);
    int32_t detail = 0;
    EXPECT_NE(0, GetLastQuorError(&detail));
}

TEST_F(SplashScreenTest, AClickOnTheFirstRunLeadsToTheFrontDesk) {
    GetMoreThanOnceSetting().Set(false);
    ShowSplash();
    SendMessageA(pane_->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 150));
    SendMessageA(pane_->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
    EXPECT_EQ(kFrontDeskScreenNumber, ScreenAfterSwitch(30000));
    EXPECT_TRUE(GetMoreThanOnceSetting().Get());
}

TEST_F(SplashScreenTest, AKeyOnALaterRunLeadsToTheLobby) {
    GetMoreThanOnceSetting().Set(true);
    ShowSplash();
    SendMessageA(pane_->GetHandle(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(kLobbyScreenNumber, ScreenAfterSwitch(30000));
}

TEST_F(SplashScreenTest, WithoutInputTheWaitEndsAfterFiveSeconds) {
    GetMoreThanOnceSetting().Set(true);
    // The wait starts inside ShowSplash, so no switch comes sooner than five seconds after
    // this; how much later depends on the machine's load, and only an upper bound is kept.
    const DWORD start = GetTickCount();
    ShowSplash();
    EXPECT_EQ(kLobbyScreenNumber, ScreenAfterSwitch(30000));
    EXPECT_GE(GetTickCount() - start, 4950u);  // a timer tick of slack
}

TEST_F(SplashScreenTest, AScreenThatGoesStopsItsWaitThread) {
    ShowSplash();
    Host().EndScreen(3);
    PumpMessages();
    ASSERT_EQ(3, Host().GetScreen()->GetNumber());
    // The wait would have ended by now and asked for another screen.
    const DWORD end = GetTickCount() + 5500;
    while (GetTickCount() < end) {
        PumpMessages();
        Sleep(20);
    }
    EXPECT_EQ(3, Host().GetScreen()->GetNumber());
}

}  // namespace

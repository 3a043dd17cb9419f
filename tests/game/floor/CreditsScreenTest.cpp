// The credits: the About command of the game window switches the main view to the credits
// machine of "credits.ast" (made by the content generator), which puts the credits' menu
// on the main window, shows the credit lines on its reel and rolls them past when it
// spins; "Done" goes back to the lobby once no coin is bet, and while one is, Done and the
// disabled Cash Out say why they do nothing. Machines of the tests' own
// check which of the names "Done", "done" and "DONE" leads away.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Application.h"
#include "DoneMachineScreen.h"
#include "FloorScreens.h"
#include "FloorTestSupport.h"
#include "FrameListeners.h"
#include "GameMenuIds.h"
#include "GameWindow.h"
#include "GeneralSettings.h"
#include "MessageBoxWatcher.h"
#include "PlayFace.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"
#include "ScreenHost.h"
#include "SlotFiles.h"
#include "TestScreens.h"

namespace {

const std::string kFrontDesk = MakeSectionPath("FrontDesk");
PlayerRoster* roster = nullptr;

MachineFace* MakeTestFace(MachineScreen& screen) { return new PlayFace(screen, *roster); }

// The test prefix's roster with one player who has cash, the play face over it, the test
// screens for the splash and the lobby, and the credits maker of the casino floor.
class CreditsFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // the pictures' decoder, as the game has it
    }
    void SetUp() override {
        MoveToTestProgramFolder();
        WriteOnePlayer(kFrontDesk, "Ada Lovelace", 100000, 8122026);
        roster_ = std::make_unique<PlayerRoster>();
        roster = roster_.get();
        previousFace_ = SetMachineFaceMaker(&MakeTestFace);
        table_ = std::make_unique<TestScreenTable>();
        ScreenMakers makers = GetScreenMakers();
        makers.credits = &DoneMachineScreen::Make;
        SetScreenMakers(makers);
    }
    void TearDown() override {
        table_.reset();
        SetMachineFaceMaker(previousFace_);
        roster_.reset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
    }

    std::unique_ptr<PlayerRoster> roster_;
    std::unique_ptr<TestScreenTable> table_;
    MachineFaceMaker previousFace_ = nullptr;
};

// A left click at a point of the view (the camera may stand lower than the art's top).
void ClickAt(HWND view, LONG x, LONG y) {
    const LPARAM where = MAKELPARAM(x, y);
    SendMessageA(view, WM_MOUSEMOVE, 0, where);
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(view, WM_LBUTTONUP, 0, where);
    PumpMessages();
}

void ClickItem(HWND view, const MachineScreen& screen, const char* name) {
    const ElementRecord* record = screen.Records().FindElement(name);
    ASSERT_NE(record, nullptr) << name;
    ClickAt(view, (record->rect.left + record->rect.right) / 2,
            (record->rect.top + record->rect.bottom) / 2 - screen.GetCameraOffset());
}

std::vector<std::string> GameMenuOf(HWND window) {
    std::vector<std::string> items;
    HMENU game = GetSubMenu(GetMenu(window), 0);
    for (int i = 0; i < GetMenuItemCount(game); ++i) {
        char text[64] = {};
        GetMenuStringA(game, UINT(i), text, sizeof text, MF_BYPOSITION);
        items.push_back(text[0] ? std::to_string(GetMenuItemID(game, i)) + " " + text : "-");
    }
    return items;
}

// The game window with its main view on the splash test screen; About opens the credits.
class CreditsCommandTest : public CreditsFixture {
protected:
    void SetUp() override {
        CreditsFixture::SetUp();
        RegisterMainWindowClass(nullptr);
        game_ = new GameWindow(commandLine_, RECT{0, 0, 794, 556});
        SetMainWindow(game_);
        ASSERT_TRUE(game_->Create());
        game_->CreateMainView();
        ASSERT_NE(game_->GetMainView(), nullptr);
    }
    void TearDown() override {
        if (game_->GetHandle()) game_->Destroy();
        delete game_;
        SetMainWindow(nullptr);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}  // the destroyed window's WM_QUIT
        CreditsFixture::TearDown();
    }
    Screen* Shown() const { return game_->GetMainView()->GetHost().GetScreen(); }
    HWND View() const { return game_->GetMainView()->GetHandle(); }
    DoneMachineScreen* OpenCredits() {
        game_->SendMessage(WM_COMMAND, ID_ABOUT, 0);
        PumpMessages();
        return dynamic_cast<DoneMachineScreen*>(Shown());
    }
    // Pumps until the reel has stopped; the reel positions seen on the way.
    std::vector<int32_t> SpinAndWatch(PlayFace& face) {
        std::vector<int32_t> seen;
        const DWORD deadline = GetTickCount() + 30000;
        do {
            PumpMessages();
            seen.push_back(face.GetReels().GetPosition(0));
            Sleep(15);
        } while (!face.GetSpin().IsIdle() && GetTickCount() < deadline);
        return seen;
    }

    char commandLine_[4] = "";
    GameWindow* game_ = nullptr;
};

TEST_F(CreditsCommandTest, AboutOpensTheCreditsMachineWithItsMenuAndDoneGoesToTheLobby) {
    DoneMachineScreen* credits = OpenCredits();
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->GetNumber(), 25);
    EXPECT_EQ(GameMenuOf(game_->GetHandle()),
              (std::vector<std::string>{"40046 &Lobby", "40006 &Front Desk", "-", "40001 E&xit"}));
    EXPECT_EQ(game_->GetText().substr(0, 21), "Vellmoor(tm) Slots - ") << "the credits' title is the game's";
    auto* face = dynamic_cast<PlayFace*>(credits->GetFace());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->GetReels().Count(), 1);
    EXPECT_GE(credits->Records().stopCount, 12) << "a credit line per stop";
    SpriteItem* done = face->GetButtons().Find("Done");
    ASSERT_NE(done, nullptr);
    EXPECT_TRUE(done->IsEnabled());
    EXPECT_FALSE(face->GetButtons().IsButtonEnabled(Button::Spin)) << "until a coin is bet";

    ClickItem(View(), *credits, "Done");
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->GetNumber(), 1);
}

// The credits take every room's denomination: opened from the $100 room they play at $100
// a coin, with the plate showing $100, and Done leaves the player in that room, even when
// the plate was changed meanwhile.
TEST_F(CreditsCommandTest, TheCreditsPlayAtTheRoomsDenominationAndDoneKeepsTheRoom) {
    DenominationSetting& setting = GetDenominationSetting();
    const int32_t before = setting.Get();
    ASSERT_TRUE(setting.Set(10000));
    DoneMachineScreen* credits = OpenCredits();
    ASSERT_NE(credits, nullptr);
    auto* face = dynamic_cast<PlayFace*>(credits->GetFace());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(credits->GetDenomination().Cents(), 10000) << "a coin costs the room's $100";
    EXPECT_EQ(setting.Get(), 10000);
    IndicatorDisplay* plate = face->GetIndicators().At(credits->Records().coin.denominationIndicator);
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->GetValue(), face->GetMoney().GetDenominationIndex());
    EXPECT_EQ(plate->GetValue(), 4) << "$100, the last of .25, 1, 5, 25 and 100";
    {
        BoxWatcher told(MachineMoney::kBetFirst);
        SendMessageA(View(), WM_KEYDOWN, 'S', 0);  // the hot key of the disabled Spin
        EXPECT_NE(told.Result().text.find("drop one in the coin slot"), std::string::npos)
            << "Spin with nothing bet says what to do";
    }
    PumpMessages();
    // The plate moves the credits on to the next denomination, 25 cents.
    const RegionItem* plateRegion = face->GetRegions().Find(CoinRegion::Denomination);
    ASSERT_NE(plateRegion, nullptr);
    ClickAt(View(), plateRegion->GetOrigin().x + 10, plateRegion->GetOrigin().y + 10 - credits->GetCameraOffset());
    EXPECT_EQ(face->GetMoney().GetDenomination().Cents(), 25);

    ClickItem(View(), *credits, "Done");
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->GetNumber(), 1);
    EXPECT_EQ(setting.Get(), 10000) << "the lobby stays in the $100 room";
    setting.Set(before);
}

TEST_F(CreditsCommandTest, ASpinRollsTheCreditsPastAndDoneWaitsUntilNoCoinIsBet) {
    DoneMachineScreen* credits = OpenCredits();
    ASSERT_NE(credits, nullptr);
    auto* face = dynamic_cast<PlayFace*>(credits->GetFace());
    ASSERT_NE(face, nullptr);
    face->GetMoney().AddCoins(3);  // one goes on the bet at once (the credits take one coin)
    EXPECT_EQ(face->GetMeters().Bet(), 1);
    {
        BoxWatcher told(MachineMoney::kSpinFirst);
        ClickItem(View(), *credits, "Done");
        EXPECT_EQ(Shown(), credits) << "a coin is bet";
        EXPECT_NE(told.Result().text.find("1 coin is bet"), std::string::npos) << "and Done says so";
    }
    PumpMessages();  // what the box's going left for the view, before the next click
    {
        BoxWatcher told(MachineMoney::kSpinFirst);
        ASSERT_FALSE(face->GetButtons().IsButtonEnabled(Button::CashOut));
        ClickItem(View(), *credits, "CashOut");
        EXPECT_NE(told.Result().text.find("1 coin is bet"), std::string::npos) << "the disabled Cash Out says why";
        EXPECT_EQ(face->GetMeters().Bet(), 1);
        EXPECT_EQ(face->GetMeters().Credit(), 2);
    }
    PumpMessages();

    ClickItem(View(), *credits, "Spin");
    const std::vector<int32_t> seen = SpinAndWatch(*face);
    ASSERT_TRUE(face->GetSpin().IsIdle());
    size_t moves = 0;
    for (size_t i = 1; i < seen.size(); ++i) moves += seen[i] != seen[i - 1];
    // A busy machine may show the test only a few of the frames.
    EXPECT_GE(moves, 1u) << "the reel was seen turning";
    EXPECT_EQ(face->GetMeters().Bet(), 0);

    const int32_t denomination = credits->GetDenomination().Cents();
    ClickItem(View(), *credits, "Done");
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->GetNumber(), 1);
    // The two coins of credit (and a win, if any) went back to the player on the way out.
    EXPECT_GE(roster_->GetCash().Cents(), 100000 - denomination);
}

// Credits machines of the tests' own in a pane of their own.
class DoneItemTest : public CreditsFixture {
protected:
    void Show(const std::string& buttons) {
        files_ = std::make_unique<MachineFiles>();  // in the program's folder, where SetUp moved
        path_ = BuildSlot(*files_, GlassHarbor(buttons), "credits_test.ast");
        frame_ = MakeHostFrame(RECT{0, 0, 794, 556});
        SetMainWindow(frame_.get());
        credits_ = new DoneMachineScreen(path_);
        pane_ = std::make_unique<TvPane>(frame_.get(), credits_);
        pane_->InstallScreen();
    }
    void TearDown() override {
        pane_.reset();
        SetMainWindow(nullptr);
        frame_.reset();
        files_.reset();
        CreditsFixture::TearDown();
    }
    Screen* Shown() const { return pane_->GetHost().GetScreen(); }
    void Click(const char* name) { ClickItem(pane_->GetHandle(), *credits_, name); }

    static constexpr int32_t kLobbyNumber = 1;
    std::unique_ptr<MachineFiles> files_;
    std::string path_;
    std::unique_ptr<HostFrame> frame_;
    std::unique_ptr<TvPane> pane_;
    DoneMachineScreen* credits_ = nullptr;
};

TEST_F(DoneItemTest, AnItemNamedDoneInSmallLettersLeadsToTheLobby) {
    Show("  Button done { { { \"@/button.bmp\" } } = 100, 120 }\n");
    EXPECT_EQ(credits_->GetMenuId(), 129);
    Click("done");
    EXPECT_EQ(Shown()->GetNumber(), kLobbyNumber);
}

TEST_F(DoneItemTest, DoneComesBeforeDONEWhichKeepsItsOwnAction) {
    Show("  Button DONE { { { \"@/button.bmp\" } } = 100, 120 }\n"
         "  Button Done { { { \"@/button.bmp\" } } = 130, 120 }\n");
    Click("DONE");
    EXPECT_EQ(Shown(), credits_) << "DONE does nothing";
    Click("Done");
    EXPECT_EQ(Shown()->GetNumber(), kLobbyNumber);
}

TEST_F(DoneItemTest, WithoutADoneItemOnlyTheMenuLeaves) {
    Show("  Button Finished { { { \"@/button.bmp\" } } = 100, 120 }\n");
    Click("Finished");
    EXPECT_EQ(Shown(), credits_);
    pane_->GetHost().EndScreen(kLobbyNumber);
    PumpMessages();
    EXPECT_EQ(Shown()->GetNumber(), kLobbyNumber);
}

TEST_F(CreditsFixture, TheFloorPutsTheCreditsMachineOnScreen25) {
    InstallFloorScreens();
    std::unique_ptr<Screen> credits(CreateScreenByNumber(25));
    EXPECT_NE(dynamic_cast<DoneMachineScreen*>(credits.get()), nullptr);
    EXPECT_EQ(credits ? credits->GetNumber() : -1, 25);
    EXPECT_EQ(credits ? credits->GetMenuId() : 0, 129);
}

}  // namespace

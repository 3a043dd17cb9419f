// A machine built by vslc played through its face in the screen tool window: the face's
// items, indicators and reels; coins bought with the player's cash; a click on Spin that
// turns the reels to the drawn stops and pays the pay table into "WinnerPaid" and
// "Credit"; Bet Max by its hot key; the money the machine holds and the cash after Cash
// Out kept by the roster in the test prefix's registry; leaving refused while coins are bet.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FrameListeners.h"
#include "MachineHost.h"
#include "PlayFace.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"
#include "ShowScreen.h"
#include "SlotFiles.h"

namespace {

const std::string kFrontDesk = MakeSectionPath("FrontDesk");
const int32_t kStartCash = 100000;

PlayerRoster* roster = nullptr;
ListedRandom* draws = nullptr;

MachineFace* MakeTestFace(MachineScreen& screen) { return new PlayFace(screen, *roster, draws); }

class PlayFaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // the pictures' decoder, as the game has it
        files_ = new MachineFiles;
        slot_ = BuildSlot(*files_, GlassHarbor(), "harbor.slot");
    }
    static void TearDownTestSuite() { delete files_; }

    void SetUp() override {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
        WriteRegistryString(kFrontDesk, "Player1Name", "Ada Lovelace");
        WriteRegistryDword(kFrontDesk, "Player1Cash", DWORD(kStartCash));
        WriteRegistryDword(kFrontDesk, "Player1Date", 8122026);
        WriteRegistryDword(kFrontDesk, "Player1Active", 1);
        roster_ = std::make_unique<PlayerRoster>();
        roster = roster_.get();
        draws = &random_;
        host_ = std::make_unique<MachineHost>(&MakeTestFace);
        ASSERT_NE(nullptr, host_->Main());
        // The reels turn on the engine's frames, as under the game's window.
        SetFrameRate(30);
        SetFrameCallback(OnEngineFrame);
    }
    void TearDown() override {
        SetFrameCallback(nullptr);
        host_.reset();
        roster_.reset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
    }

    MachineScreen* OpenMachine() {
        if (!ShowNamedScreen(slot_)) return nullptr;
        MachineToolWindow* window = MachineHost::Current();
        pane_ = window && window->GetPane() ? window->GetPane()->GetHandle() : nullptr;
        return MachineHost::CurrentMachine();
    }
    // A left click at a point of the machine's art (the camera is at its top).
    void ClickAt(POINT at) {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        SendMessageA(pane_, WM_MOUSEMOVE, 0, where);
        SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageA(pane_, WM_LBUTTONUP, 0, where);
        PumpMessages();
    }
    void ClickButton(MachineScreen& screen, const char* name) {
        const ElementRecord* record = screen.Records().FindElement(name);
        ASSERT_NE(record, nullptr) << name;
        ClickAt(POINT{record->rect.left + 2, record->rect.top + 2});
    }
    static bool WaitIdle(PlayFace& face) {
        const DWORD deadline = GetTickCount() + 30000;
        while (!face.GetSpin().IsIdle() && GetTickCount() < deadline) {
            PumpMessages();
            Sleep(5);
        }
        return face.GetSpin().IsIdle();
    }

    static MachineFiles* files_;
    static std::string slot_;
    std::unique_ptr<PlayerRoster> roster_;
    ListedRandom random_;
    std::unique_ptr<MachineHost> host_;
    HWND pane_ = nullptr;
};

MachineFiles* PlayFaceTest::files_ = nullptr;
std::string PlayFaceTest::slot_;

DWORD StoredCash() {
    DWORD cash = 0;
    EXPECT_TRUE(ReadRegistryDword(kFrontDesk, "Player1Cash", &cash));
    return cash;
}

}  // namespace

TEST_F(PlayFaceTest, TheFaceHasTheMachinesItemsIndicatorsAndReelsWithTheButtonsOff) {
    MachineScreen* screen = OpenMachine();
    ASSERT_NE(screen, nullptr);
    auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->GetReels().Count(), 3);
    EXPECT_EQ(face->GetIndicators().Count(), 5u);
    for (const char* name : {"Credit", "Bet", "WinnerPaid", "Jackpot", "Denomination"})
        EXPECT_NE(face->GetIndicators().Find(name), nullptr) << name;
    for (Button button : {Button::BetOne, Button::BetMax, Button::CashOut, Button::Spin}) {
        ASSERT_NE(face->GetButtons().Find(button), nullptr);
        EXPECT_FALSE(face->GetButtons().IsButtonEnabled(button));
    }
    EXPECT_EQ(face->GetButtons().Find("##arm"), nullptr);
    // Every reel shows a weighted result from the start: the draws were all 0.
    for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(face->GetReels().GetMotion(reel), 0);
}

TEST_F(PlayFaceTest, ASpinClickedWithABetPaysTheTableIntoCreditAndTheRosterKeepsTheMoney) {
    // Three draws place the reels at the start; the spin's draws stop every reel on a Bell.
    random_.values = {0, 0, 0, 1, 0, 2};
    MachineScreen* screen = OpenMachine();
    ASSERT_NE(screen, nullptr);
    auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
    ASSERT_NE(face, nullptr);
    MachineMeters& meters = face->GetMeters();

    // Ten quarters: the max bet of 2 goes on the bet, the rest to credit.
    face->GetMoney().AddCoins(10);
    EXPECT_EQ(meters.Bet(), 2);
    EXPECT_EQ(meters.Credit(), 8);
    EXPECT_EQ(StoredCash(), DWORD(kStartCash - 250));
    EXPECT_TRUE(face->GetButtons().IsButtonEnabled(Button::Spin));
    EXPECT_FALSE(screen->CanEnd()) << "coins are bet";

    ClickButton(*screen, "Spin");
    EXPECT_FALSE(face->GetSpin().IsIdle()) << "the click started the spin";
    ASSERT_TRUE(WaitIdle(*face));
    for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(face->GetReels().GetMotion(reel), 0);

    // Three Bells with two coins bet pay 20.
    EXPECT_EQ(meters.WinnerPaid(), 20);
    EXPECT_EQ(meters.Credit(), 28);
    EXPECT_EQ(meters.Bet(), 0);
    EXPECT_EQ(face->GetIndicators().Find("Credit")->GetValue(), 28);
    EXPECT_EQ(roster_->GetHeld(), Money(28 * 25));
    EXPECT_EQ(StoredCash(), DWORD(kStartCash - 250));
    EXPECT_TRUE(face->GetButtons().IsButtonEnabled(Button::CashOut));

    // Bet Max by its default hot key bets two of the credits and spins at once; the draws
    // left are 0: Anchor, Bell, Gull pay nothing.
    SendMessageA(pane_, WM_KEYDOWN, 'M', 0);
    EXPECT_EQ(meters.Credit(), 26);
    ASSERT_TRUE(WaitIdle(*face));
    EXPECT_EQ(meters.WinnerPaid(), 0);
    EXPECT_EQ(meters.Bet(), 0);
    EXPECT_EQ(roster_->GetHeld(), Money(26 * 25));

    ClickButton(*screen, "CashOut");
    EXPECT_EQ(meters.Credit(), 0);
    EXPECT_EQ(roster_->GetHeld(), Money(0));
    EXPECT_EQ(roster_->GetCash(), Money(kStartCash - 250 + 650));
    EXPECT_EQ(StoredCash(), DWORD(kStartCash - 250 + 650));
    EXPECT_TRUE(screen->CanEnd());
}

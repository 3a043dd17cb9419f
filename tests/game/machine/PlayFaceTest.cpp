// A machine built by vslc played through its face in the screen tool window: the face's
// items, indicators and reels; coins bought with the player's cash; a click on Spin that
// turns the reels to the drawn stops and pays the pay table into "WinnerPaid" and
// "Credit"; Bet Max by its hot key; the money the machine holds and the cash after Cash
// Out kept by the roster in the test prefix's registry; leaving and Cash Out refused, with
// the reason, while coins are bet, and Spin with none.
#include "../../app/MessageBoxWatcher.h"
#include "PlayFaceRun.h"

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
    {
        BoxWatcher told(MachineMoney::kSpinFirst);
        EXPECT_FALSE(screen->CanEnd()) << "coins are bet";
        EXPECT_NE(told.Result().text.find("2 coins are bet"), std::string::npos) << "and the player is told";
    }
    PumpMessages();  // what the box's going left for the machine's window, before the next click
    {
        BoxWatcher told(MachineMoney::kSpinFirst);
        SendMessageA(pane_, WM_KEYDOWN, 'C', 0);  // the hot key of the disabled Cash Out
        EXPECT_NE(told.Result().text.find("2 coins are bet"), std::string::npos) << "Cash Out says why it waits";
        EXPECT_EQ(meters.Credit(), 8);
    }
    PumpMessages();

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
    {
        BoxWatcher told(MachineMoney::kBetFirst);
        ASSERT_FALSE(face->GetButtons().IsButtonEnabled(Button::Spin));
        ClickButton(*screen, "Spin");
        EXPECT_NE(told.Result().text.find("Bet One or Bet Max"), std::string::npos) << "the disabled Spin says what to do";
        EXPECT_TRUE(face->GetSpin().IsIdle());
    }
    PumpMessages();

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

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

namespace {
// A blue picture of the reel symbol's size with a white rectangle in its middle.
void WriteBlueWithWhite(const std::string& path) {
    Bitmap picture(16, 12, 24, false);
    for (int32_t y = 0; y < 12; ++y)
        for (int32_t x = 0; x < 16; ++x) {
            uint8_t* p = picture.View().Row(y) + 3 * x;
            const bool white = x >= 4 && x < 12 && y >= 3 && y < 9;
            p[0] = 255;
            p[1] = p[2] = white ? 255 : 0;
        }
    picture.Save(path);
}

struct ReelColours {
    int white = 0, blue = 0, other = 0;
};

// The colours the machine's window shows over a reel's window.
ReelColours ColoursOver(HWND pane, const RECT& reel) {
    ReelColours seen;
    HDC dc = GetDC(pane);
    for (int y = reel.top; y < reel.bottom; ++y)
        for (int x = reel.left; x < reel.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (GetRValue(c) >= 0xF0 && GetGValue(c) >= 0xF0 && GetBValue(c) >= 0xF0) ++seen.white;
            else if (GetRValue(c) < 0x10 && GetGValue(c) < 0x10 && GetBValue(c) >= 0xF0) ++seen.blue;
            else ++seen.other;
        }
    ReleaseDC(pane, dc);
    return seen;
}
}  // namespace

// A reel symbol keeps every colour of its picture: the white of a blue picture with a white
// rectangle was left out as if it were transparent, and the reels showed what lay behind.
TEST_F(PlayFaceTest, AReelSymbolShowsEveryColourOfItsPictureOnTheReels) {
    MachineFiles files;
    for (const char* name : {"anchor", "bell", "bell2", "gull"}) WriteBlueWithWhite(files.Path(std::string(name) + ".bmp"));
    const std::string slot = BuildSlot(files, GlassHarbor(), "white.slot");
    MachineScreen* screen = OpenMachine(slot);
    ASSERT_NE(screen, nullptr);
    const RECT reel = {30, 10, 46, 46};  // reel 1, without a shadow
    ReelColours seen;
    for (int look = 0; look < 1000 && seen.white + seen.blue < (reel.right - reel.left) * (reel.bottom - reel.top);
         ++look) {
        PumpMessages();
        Sleep(20);
        seen = ColoursOver(pane_, reel);
    }
    EXPECT_EQ(0, seen.other) << seen.white << " white, " << seen.blue << " blue";
    EXPECT_GT(seen.white, 0);
    EXPECT_GT(seen.blue, seen.white);
}

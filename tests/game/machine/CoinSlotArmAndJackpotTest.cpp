// The rest of the play side on a machine built by vslc, played in the screen tool window:
// the coin slot drops a coin that falls into the slot, the bill acceptor buys coins
// through the "Add Coins" dialog driven as a player would, the arm spins, the progressive
// grows on the frame ticks, is kept under its name in the test prefix's registry and pays
// a jackpot into credit, a new denomination set elsewhere reaches the meters, and a
// player is made current when play begins.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../../app/DialogDriver.h"
#include "../../app/MessageBoxWatcher.h"
#include "Bitmap.h"
#include "CoinDialogIds.h"
#include "FrameListeners.h"
#include "GeneralSettings.h"
#include "MachineHost.h"
#include "PlayFace.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"
#include "ShowScreen.h"
#include "SlotFiles.h"
#include "SpriteQueries.h"

namespace {

const std::string kFrontDesk = MakeSectionPath("FrontDesk");
const std::string kGeneral = MakeSectionPath("General");
const char kQuarterJackpot[] = "$0.25Progressive";
const char kDollarJackpot[] = "$1.00Progressive";
const int32_t kStartCash = 100000;
// Where Glass Harbor's regions and arm are (the camera stays at the top of the art).
const POINT kCoinSlot = {155, 55};
const POINT kBillSlot = {160, 104};
const POINT kArm = {182, 12};

PlayerRoster* roster = nullptr;
ListedRandom* draws = nullptr;
SpinScript* script = nullptr;

// Script errors are kept, not shown in a box that nobody would close.
class KeptErrors : public ScriptErrorSink {
public:
    void ShowScriptError(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};
KeptErrors scriptErrors;

MachineFace* MakeTestFace(MachineScreen& screen) {
    FaceScriptSetup setup;
    setup.errors = &scriptErrors;
    return new PlayFace(screen, *roster, draws, setup, script);
}

bool PumpUntil(const std::function<bool()>& done) {
    const DWORD deadline = GetTickCount() + 20000;
    while (!done() && GetTickCount() < deadline) {
        PumpMessages();
        Sleep(5);
    }
    return done();
}

DWORD Stored(const std::string& section, const char* name) {
    DWORD value = 0;
    EXPECT_TRUE(ReadRegistryDword(section, name, &value)) << name;
    return value;
}

class CoinSlotArmAndJackpotTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // the pictures' decoder, as the game has it
        files_ = new MachineFiles;
        slot_ = BuildSlot(*files_, GlassHarbor(), "harbor.slot");
    }
    static void TearDownTestSuite() { delete files_; }

    void SetUp() override {
        WriteOnePlayer(kFrontDesk, "Ada Lovelace", DWORD(kStartCash), 8122026);
        ForgetJackpots();
        draws = &random_;
        script = nullptr;
        // The frames post the ticks and move the coins, as under the game's window.
        SetFrameRate(30);
        SetFrameCallback(OnEngineFrame);
    }
    void TearDown() override {
        EXPECT_TRUE(scriptErrors.texts.empty()) << scriptErrors.texts.front();
        scriptErrors.texts.clear();
        SetFrameCallback(nullptr);
        host_.reset();
        roster_.reset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
        ForgetJackpots();
    }
    static void ForgetJackpots() {
        DeleteRegistryValue(kGeneral, kQuarterJackpot);
        DeleteRegistryValue(kGeneral, kDollarJackpot);
    }

    // The roster is made from the registry as it stands now.
    PlayFace* OpenMachine(const std::string& slot = slot_) {
        roster_ = std::make_unique<PlayerRoster>();
        roster = roster_.get();
        host_ = std::make_unique<MachineHost>(&MakeTestFace);
        if (!ShowNamedScreen(slot)) return nullptr;
        MachineToolWindow* window = MachineHost::Current();
        pane_ = window && window->GetPane() ? window->GetPane()->GetHandle() : nullptr;
        screen_ = MachineHost::CurrentMachine();
        return screen_ ? dynamic_cast<PlayFace*>(screen_->GetFace()) : nullptr;
    }
    // A quick click follows the last within the double-click time: Windows sends its press
    // as a double-click.
    void ClickAt(POINT at, bool quick = false) {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        SendMessageA(pane_, WM_MOUSEMOVE, 0, where);
        SendMessageA(pane_, quick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageA(pane_, WM_LBUTTONUP, 0, where);
        PumpMessages();
    }
    void PressKey(char key) {
        SendMessageA(pane_, WM_KEYDOWN, WPARAM(key), 0);
        PumpMessages();
    }
    // Buys coins at the bill acceptor: the dialog is answered by typing the number into
    // its edit control and clicking OK; an empty text cancels it.
    void BuyAtBillSlot(const std::string& typed) {
        DialogDriver player([typed] {
            HWND dialog = WaitForDialog("Add Coins");
            if (!dialog) return;
            if (typed.empty()) return PressButton(dialog, IDCANCEL);
            HWND edit = GetDlgItem(dialog, IDC_COIN_COUNT);
            SendMessageA(edit, EM_SETSEL, 0, -1);
            for (char c : typed) SendMessageA(edit, WM_CHAR, WPARAM(c), 1);
            PressButton(dialog, IDOK);
        });
        ClickAt(kBillSlot);
    }
    static bool WaitIdle(PlayFace& face) {
        return PumpUntil([&] { return face.GetSpin().IsIdle(); });
    }

    static MachineFiles* files_;
    static std::string slot_;
    std::unique_ptr<PlayerRoster> roster_;
    ListedRandom random_;
    std::unique_ptr<MachineHost> host_;
    MachineScreen* screen_ = nullptr;
    HWND pane_ = nullptr;
};

MachineFiles* CoinSlotArmAndJackpotTest::files_ = nullptr;
std::string CoinSlotArmAndJackpotTest::slot_;

}  // namespace

TEST_F(CoinSlotArmAndJackpotTest, TheCoinAcceptorsRegionsCarryTheirActionsCursorsAndHotKeys) {
    PlayFace* face = OpenMachine();
    ASSERT_NE(face, nullptr);
    FaceRegions& regions = face->GetRegions();
    EXPECT_EQ(regions.Count(), 3u);
    EXPECT_EQ(regions.Find(CoinRegion::CoinIn), regions.Find("CoinSlot"));
    EXPECT_EQ(regions.Find(CoinRegion::Denomination), regions.Find("Plate"));
    EXPECT_EQ(regions.Find(CoinRegion::BillAcceptor), regions.Find("BillSlot"));
    EXPECT_TRUE(regions.Find("BillSlot")->MatchesHotKey('B', 0));
    EXPECT_TRUE(regions.Find("Plate")->MatchesHotKey('D', 0));
    EXPECT_NE(regions.Find("BillSlot")->GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_NE(regions.Find("CoinSlot")->GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    // The coin slot shows the coin-in picture at the slot point.
    const SpriteHandle* picture = regions.Find("CoinSlot")->GetSprite();
    ASSERT_NE(picture, nullptr);
    const RECT bounds = HeldSpriteBounds(*picture);
    EXPECT_EQ(bounds.left, 160);
    EXPECT_EQ(bounds.top, 20);
}

TEST_F(CoinSlotArmAndJackpotTest, ACoinDroppedInTheSlotIsBetAndFallsIntoTheSlot) {
    PlayFace* face = OpenMachine();
    ASSERT_NE(face, nullptr);
    ASSERT_NE(face->GetCoinDrop(), nullptr);
    CoinDrop& drop = face->GetCoinDrop()->Drop();

    ClickAt(kCoinSlot);
    EXPECT_EQ(face->GetMeters().Bet(), 1);
    EXPECT_EQ(roster_->GetCash(), Money(kStartCash - 25));
    EXPECT_EQ(Stored(kFrontDesk, "Player1Cash"), DWORD(kStartCash - 25));
    EXPECT_TRUE(face->GetButtons().IsButtonEnabled(Button::Spin));
    // Two more, each quick after the one before: the max bet of 2 is reached, the third
    // coin goes to credit.
    ClickAt(kCoinSlot, true);
    ClickAt(kCoinSlot, true);
    EXPECT_EQ(face->GetMeters().Bet(), 2);
    EXPECT_EQ(face->GetMeters().Credit(), 1);
    EXPECT_EQ(drop.Dropped(), 3u);
    // The frames let every coin fall, at most three at a time, until none is in flight.
    EXPECT_TRUE(PumpUntil([&] { return drop.Started() == 3 && drop.InFlight() == 0; }));
    for (int coin = 0; coin < CoinDrop::kCoins; ++coin)
        EXPECT_EQ(GetSpriteFrame(face->GetCoinDrop()->Coin(coin)), 0u) << "the quarter: the first denomination";
}

TEST_F(CoinSlotArmAndJackpotTest, TheBillAcceptorBuysCoinsThroughTheDialogAndTheRosterKeepsThem) {
    PlayFace* face = OpenMachine();
    ASSERT_NE(face, nullptr);
    MachineMeters& meters = face->GetMeters();

    BuyAtBillSlot("12");
    EXPECT_EQ(meters.Bet(), 2);
    EXPECT_EQ(meters.Credit(), 10);
    EXPECT_EQ(roster_->GetCash(), Money(kStartCash - 300));
    EXPECT_EQ(roster_->GetHeld(), Money(300));
    EXPECT_EQ(Stored(kFrontDesk, "Player1Cash"), DWORD(kStartCash - 300));

    // Cancelled (reached by the hot key this time), nothing is bought.
    DialogDriver cancel([] {
        if (HWND dialog = WaitForDialog("Add Coins")) PressButton(dialog, IDCANCEL);
    });
    PressKey('B');
    cancel.Join();
    EXPECT_EQ(meters.Credit(), 10);

    // More than the cash buys: the player is told, and nothing changes.
    BoxWatcher box("Insufficient Funds");
    BuyAtBillSlot("5000");
    EXPECT_EQ(box.Result().text, "You do not have enough money to drop in 5000 $0.25 tokens.");
    EXPECT_EQ(meters.Credit(), 10);
    EXPECT_EQ(roster_->GetCash(), Money(kStartCash - 300));

    // A machine taken down with coins bet gives the denomination free again.
    EXPECT_TRUE(GetDenominationSetting().IsLocked());
    host_.reset();
    EXPECT_FALSE(GetDenominationSetting().IsLocked());
}

TEST_F(CoinSlotArmAndJackpotTest, TheArmSpinsOnlyWhatIsBetAndPlaysItsSequence) {
    PlayFace* face = OpenMachine();
    ASSERT_NE(face, nullptr);
    ASSERT_TRUE(face->GetArm().Exists());
    const SpriteHandle& lever = *face->GetArm().Element().GetSprite();
    {
        BoxWatcher told(MachineMoney::kBetFirst);
        PressKey('P');
        EXPECT_NE(told.Result().text.find("drop one in the coin slot"), std::string::npos) << "nothing is bet";
    }
    PumpMessages();
    EXPECT_TRUE(face->GetSpin().IsIdle());
    EXPECT_EQ(GetSpriteFrame(lever), 0);

    ClickAt(kCoinSlot);
    // Each of the lever's frames held for ten engine frames, so that a busy machine still
    // lets the test see the pull.
    ASSERT_GT(SetAnimationSpeed(lever, 10, 1, 0), 1);
    ClickAt(kArm);  // the knob at the lever's top
    EXPECT_FALSE(face->GetSpin().IsIdle()) << "the pull started the spin";
    // The lever goes down through its frames, then stands up again on its first.
    bool pulled = false;
    EXPECT_TRUE(PumpUntil([&] {
        pulled = pulled || GetSpriteFrame(lever) != 0;
        return pulled && face->GetSpin().IsIdle() && GetSpriteFrame(lever) == 0;
    }));
    EXPECT_TRUE(pulled) << "the pull played the lever's frames";
    SetAnimationSpeed(lever, 1, 10, 0);
    EXPECT_EQ(face->GetMeters().Bet(), 0);
    {
        BoxWatcher told(MachineMoney::kBetFirst);
        ClickAt(kArm);
        EXPECT_TRUE(told.Result().found) << "a pull with no coin bet says what to do";
    }
    PumpMessages();
    EXPECT_TRUE(face->GetSpin().IsIdle());

    ClickAt(kCoinSlot);
    PressKey('P');
    EXPECT_FALSE(face->GetSpin().IsIdle()) << "the arm's hot key";
    ASSERT_TRUE(WaitIdle(*face));
}

TEST_F(CoinSlotArmAndJackpotTest, AMachineWithoutAnArmRecordHasNoArm) {
    std::string script = GlassHarbor();
    const std::string arm = "  Arm { Lever = 180, 10 }\n";
    script.erase(script.find(arm), arm.size());
    const std::string armless = BuildSlot(*files_, script, "armless.slot");
    PlayFace* face = OpenMachine(armless);
    ASSERT_NE(face, nullptr);
    EXPECT_FALSE(face->GetArm().Exists());
    ClickAt(kCoinSlot);
    PressKey('P');
    EXPECT_TRUE(face->GetSpin().IsIdle());
    EXPECT_EQ(face->GetMeters().Bet(), 1);
}

TEST_F(CoinSlotArmAndJackpotTest, TheProgressiveGrowsIsKeptUnderItsNameAndResetsWhenAJackpotPays) {
    WriteRegistryDword(kGeneral, kQuarterJackpot, 20000000);
    // Three draws place the reels, three more stop every reel on an Anchor, whose line
    // pays what its payout expression makes of the jackpot.
    random_.values = {0, 0, 0, 0, 2, 1};
    FakeScript jackpotScript;
    script = &jackpotScript;
    PlayFace* face = OpenMachine();
    ASSERT_NE(face, nullptr);
    ASSERT_NE(face->GetProgressive(), nullptr);
    IndicatorDisplay& indicator = face->GetProgressive()->Display();
    EXPECT_EQ(&indicator, face->GetIndicators().Find("Jackpot"));
    EXPECT_GE(indicator.GetValue(), 20000000) << "the stored meter";

    // The frame ticks make it grow (about a cent a tick on a quarter machine).
    EXPECT_TRUE(PumpUntil([&] { return indicator.GetValue() > 20000010; }));

    int32_t jackpot = 0;
    jackpotScript.onEvaluate = [&] {
        jackpot = face->GetProgressive()->Meter().TakeJackpot();
        jackpotScript.results["Big()"] = jackpot / 25;
    };
    face->GetMoney().AddCoins(2);
    ClickAt(kArm);
    ASSERT_TRUE(WaitIdle(*face));
    ASSERT_GT(jackpot, 20000010);
    EXPECT_EQ(jackpotScript.evaluated, std::vector<std::string>{"Big()"});
    EXPECT_EQ(face->GetMeters().WinnerPaid(), jackpot / 25);
    EXPECT_EQ(face->GetMeters().Credit(), jackpot / 25);
    EXPECT_EQ(roster_->GetHeld(), Money(jackpot / 25 * 25));
    // The meter starts again from the seed, stored at once.
    const int32_t seed = ProgressiveMeter::SeedFor(Money(25));
    EXPECT_EQ(Stored(kGeneral, kQuarterJackpot), DWORD(seed));
    EXPECT_GE(indicator.GetValue(), seed);
    EXPECT_LT(indicator.GetValue(), seed + 100000);

    // Leaving stores the meter as it stands.
    face->GetMoney().OnCashOut();
    ASSERT_TRUE(screen_->CanEnd());
    EXPECT_EQ(Stored(kGeneral, kQuarterJackpot), DWORD(indicator.GetValue()));
}

TEST_F(CoinSlotArmAndJackpotTest, LeavingAMachineLeavesTheDenominationItPlayedAtCurrent) {
    PlayFace* face = OpenMachine();
    ASSERT_NE(face, nullptr);
    ASSERT_EQ(face->GetMeters().Denomination(), Money(25));
    PressKey('D');
    ASSERT_EQ(face->GetMeters().Denomination(), Money(100));
    ASSERT_TRUE(screen_->CanEnd());
    EXPECT_EQ(GetDenominationSetting().Get(), 100) << "not the quarter it was loaded at";
}

TEST_F(CoinSlotArmAndJackpotTest, ADenominationSetElsewhereReachesTheMetersWithinTheMachinesMask) {
    PlayFace* face = OpenMachine();
    ASSERT_NE(face, nullptr);
    MachineMeters& meters = face->GetMeters();
    IndicatorDisplay* denomination = face->GetIndicators().Find("Denomination");
    ASSERT_NE(denomination, nullptr);
    IndicatorDisplay& jackpot = face->GetProgressive()->Display();
    EXPECT_EQ(jackpot.GetValue() / 1000, ProgressiveMeter::SeedFor(Money(25)) / 1000);
    face->GetMoney().SetCoinsToBet(false);
    face->GetMoney().AddCoins(7);
    EXPECT_EQ(meters.Credit(), 7);

    // As the options of the menu do it: 7 quarters make 1 dollar credit and 75 cents cash.
    GetDenominationSetting().Set(100);
    EXPECT_EQ(meters.Denomination(), Money(100));
    EXPECT_EQ(meters.Credit(), 1);
    EXPECT_EQ(roster_->GetCash(), Money(kStartCash - 175 + 75));
    EXPECT_EQ(denomination->GetValue(), 1);
    EXPECT_EQ(jackpot.GetValue() / 1000, ProgressiveMeter::SeedFor(Money(100)) / 1000) << "the dollar's meter";
    EXPECT_NE(Stored(kGeneral, kQuarterJackpot), DWORD(-1)) << "the quarter's meter was kept";

    // Five dollars the machine does not take: it keeps its dollar, and so does the setting,
    // which the options and the lobby show.
    GetDenominationSetting().Set(500);
    EXPECT_EQ(meters.Denomination(), Money(100));
    EXPECT_EQ(GetDenominationSetting().Get(), 100) << "one denomination is current";

    // The denomination region by its hot key turns to the next of the machine's own,
    // wrapping round, and writes it into the setting.
    PressKey('D');
    EXPECT_EQ(meters.Denomination(), Money(25));
    EXPECT_EQ(meters.Credit(), 4);
    EXPECT_EQ(GetDenominationSetting().Get(), 25);
    EXPECT_EQ(denomination->GetValue(), 0);

    // While coins are bet the setting is locked and nothing changes; the plate says why.
    face->GetMoney().SetCoinsToBet(true);
    face->GetMoney().OnBetOne();
    EXPECT_EQ(meters.Bet(), 1);
    GetDenominationSetting().Set(100);
    {
        BoxWatcher told(MachineMoney::kSpinFirst);
        PressKey('D');
        EXPECT_EQ(told.Result().text, "1 coin is bet on this machine: Spin to play it.\n"
                                      "The denomination can be changed when no coin is bet.");
    }
    EXPECT_EQ(meters.Denomination(), Money(25));
}

TEST_F(CoinSlotArmAndJackpotTest, PlayBeginsWithACurrentPlayer) {
    WriteRegistryDword(kFrontDesk, "Player1Active", 0);
    PlayFace* face = OpenMachine();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(roster_->GetCurrentIndex(), 0);
    EXPECT_EQ(Stored(kFrontDesk, "Player1Active"), 1u);
    ClickAt(kCoinSlot);
    EXPECT_EQ(face->GetMeters().Bet(), 1) << "the player's cash buys the coin";
}

namespace {
// A file of our CD's clip art by the path the wizard's scripts give it.
std::string ClipArtFile(const char* name) {
    std::string path = std::string("Z:") + VSL_CLIP_ART_DIR + "\\" + name;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

bool AlikeColours(COLORREF a, COLORREF b) {
    auto alike = [](int p, int q) { return std::abs(p - q) <= 8; };
    return alike(GetRValue(a), GetRValue(b)) && alike(GetGValue(a), GetGValue(b)) && alike(GetBValue(a), GetBValue(b));
}

// What the machine's window shows at the point, once it shows the colour (within a 16-bit
// picture's loss) or after a second of frames.
COLORREF ShownAt(HWND pane, POINT at, COLORREF wanted) {
    COLORREF shown = CLR_INVALID;
    for (int look = 0; look < 50; ++look) {
        HDC dc = GetDC(pane);
        shown = GetPixel(dc, at.x, at.y);
        ReleaseDC(pane, dc);
        if (AlikeColours(shown, wanted)) break;
        PumpMessages();
        Sleep(20);
    }
    return shown;
}
}  // namespace

// The Large Sword arm of our clip art, as a Gold wizard machine has it, shows the colours it
// was drawn in: a red pommel and a silver blade (the machine editor shows the same).
TEST_F(CoinSlotArmAndJackpotTest, TheLargeSwordArmShowsItsRedPommelAndSilverBlade) {
    Bitmap back(300, 220, 24, false);
    back.FillWhite();
    ASSERT_TRUE(back.Save(files_->Output("wideback.bmp")));
    std::string text = GlassHarbor();
    text.replace(text.find("@/back.bmp"), 10, "@/wideback.bmp");
    const std::string arm = "  Arm { Lever = 180, 10 }\n";
    text.replace(text.find(arm), arm.size(), "  Arm { { \"" + ClipArtFile("arms.ast") + "\" , 130 } = 200, 10 }\n");
    const std::string slot = BuildSlot(*files_, text, "sword.slot");
    PlayFace* face = OpenMachine(slot);
    ASSERT_NE(face, nullptr);
    ASSERT_TRUE(face->GetArm().Exists());
    const COLORREF pommel = RGB(200, 30, 30), blade = RGB(215, 220, 230);
    const COLORREF shownPommel = ShownAt(pane_, POINT{200 + 24, 10 + 16}, pommel);
    const COLORREF shownBlade = ShownAt(pane_, POINT{200 + 24, 10 + 100}, blade);
    EXPECT_TRUE(AlikeColours(pommel, shownPommel)) << std::hex << shownPommel;
    EXPECT_TRUE(AlikeColours(blade, shownBlade)) << std::hex << shownBlade;
}

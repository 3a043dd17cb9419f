// The machine's script on the play face: its handlers run during a spin on the real machine
// screen and change what the player sees, its timeouts run on the frame tick and bet
// through the play rules, a scriptlet payout pays what the script computes, and a machine
// whose script cannot start or does not parse says why and still plays by its table.
// Handlers that bet inside the payment leave the game painting; the answers of
// OnAllReelsStop; the script's writes of the money meters and of the jackpot go through
// play; a failed scriptlet payout is shown in its own box.
#include <atomic>
#include <functional>

#include "../../app/MessageBoxWatcher.h"
#include "EngineSceneLock.h"
#include "GeneralSettings.h"
#include "PlayFaceRun.h"

namespace {

// The functions that Glass Harbor's scriptlets call.
const char kHarborFunctions[] =
    "function Go() {}\nfunction Big() { return 42; }\nfunction Cheer() {}\nfunction Insert() {}\n";

// Counts the engine's frames; they run under the painting lock that the scene lock takes.
class FrameCount : public FrameListener {
public:
    FrameCount() { AddFrameListener(this); }
    ~FrameCount() { RemoveFrameListener(this); }
    void OnFrame(int32_t) override { ++frames; }
    std::atomic<int> frames{0};
};

// The payment handlers, and a win bets two coins again on the next frame tick.
const std::string kHandlers = std::string(kPaymentHandlers) +
                              "function machine::OnTotalPayment(pay) { if (pay > 0) SetTimeout(0, \"machine.Bet(2)\"); return true; }\n";

// Pumps messages until the condition holds (false after 30 seconds).
bool PumpUntil(const std::function<bool()>& done) {
    const DWORD deadline = GetTickCount() + 30000;
    while (!done() && GetTickCount() < deadline) {
        PumpMessages();
        Sleep(5);
    }
    return done();
}

class PlayFaceScriptTest : public PlayFaceTest {
protected:
    // Opens the machine (unless it is open), buys ten quarters (two go on the bet) and
    // clicks Spin; the draws must be listed before.
    PlayFace* SpinWithTwoCoins(const std::string& slot) {
        if (!screen_) screen_ = OpenMachine(slot);
        if (!screen_) return nullptr;
        auto* face = dynamic_cast<PlayFace*>(screen_->GetFace());
        if (!face) return nullptr;
        face->GetMoney().AddCoins(10);
        EXPECT_EQ(face->GetMeters().Bet(), 2);
        EXPECT_TRUE(face->GetButtons().IsButtonEnabled(Button::Spin));
        ClickButton(*screen_, "Spin");
        EXPECT_TRUE(WaitIdle(*face));
        return face;
    }
    int32_t ScriptValue(PlayFace& face, const std::string& expression) {
        int32_t value = -1;
        EXPECT_TRUE(face.GetScript().Host().EvaluatePayout(expression, value)) << expression;
        return value;
    }

    MachineScreen* screen_ = nullptr;
};

}  // namespace

TEST_F(PlayFaceScriptTest, TheHandlersRunInTheSpinAndTheirTimeoutBetsThroughThePlayRules) {
    const std::string slot = BuildSlot(*files_, GlassHarborScripted(kHandlers, kTallyIndicator), "handlers.slot");
    random_.values = {0, 0, 0, 1, 0, 2};  // the spin stops on three Bells
    PlayFace* face = SpinWithTwoCoins(slot);
    ASSERT_NE(face, nullptr);
    EXPECT_TRUE(face->GetScript().IsRunning());
    MachineMeters& meters = face->GetMeters();

    // Every reel reported its stop, left to right; the line paid 20 from table entry 0,
    // which the payment handler showed on the tally.
    EXPECT_EQ(ScriptValue(*face, "stopped"), 123);
    EXPECT_EQ(face->GetIndicators().Find("Tally")->GetValue(), 1000 + 20 * 10 + 0);
    EXPECT_EQ(meters.WinnerPaid(), 20);
    EXPECT_GE(ScriptValue(*face, "cheers"), 1) << "the indicator's update reached its scriptlet";

    // The total-payment handler's timeout runs on a later frame tick and bets two credits.
    ASSERT_TRUE(PumpUntil([&] { return meters.Bet() == 2; }));
    EXPECT_EQ(meters.Credit(), 28 - 2);
    EXPECT_TRUE(face->GetButtons().IsButtonEnabled(Button::Spin));
    EXPECT_TRUE(errors_.texts.empty()) << errors_.texts[0];

    // Leaving the machine stops its script.
    ClickButton(*screen_, "Spin");
    ASSERT_TRUE(WaitIdle(*face));
    ClickButton(*screen_, "CashOut");
    EXPECT_TRUE(screen_->CanEnd());
    EXPECT_FALSE(face->GetScript().IsRunning());
}

TEST_F(PlayFaceScriptTest, AScriptletPayoutPaysWhatTheScriptComputes) {
    const std::string slot = BuildSlot(*files_, GlassHarborScripted(kHandlers, kTallyIndicator), "scriptlet.slot");
    random_.values = {0, 0, 0, 0, 2, 1};  // three Anchors: the table's "Big()" line
    PlayFace* face = SpinWithTwoCoins(slot);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->GetMeters().WinnerPaid(), 42);
    EXPECT_EQ(face->GetMeters().Credit() + face->GetMeters().Bet(), 8 + 42);
    EXPECT_EQ(face->GetIndicators().Find("WinnerPaid")->GetValue(), 42);
    EXPECT_EQ(face->GetIndicators().Find("Tally")->GetValue(), 1000 + 42 * 10 + 1);
    EXPECT_TRUE(errors_.texts.empty()) << errors_.texts[0];
}

// A spin of this machine cut short, with a line that pays by a scriptlet: the next start
// spends the bet, and the machine's next opening evaluates the line and pays it, once.
TEST_F(PlayFaceScriptTest, AScriptletLineOfASpinCutShortIsPaidWhenItsMachineOpensAgain) {
    const std::string slot = BuildSlot(*files_, GlassHarborScripted(kPaymentHandlers, kTallyIndicator), "cutshort.slot");
    random_.values = {0, 0, 0, 0, 2, 1};  // three Anchors: the table's "Big()" line
    PlayFace* face = SpinWithTwoCoins(slot);
    ASSERT_NE(face, nullptr);
    ASSERT_EQ(face->GetMeters().WinnerPaid(), 42);
    HeldSpin spin;
    spin.machine = slot.substr(slot.find_last_of("\\/") + 1);
    spin.bet = 2;
    spin.denomination = face->GetMeters().Denomination();
    for (int reel = 0; reel < screen_->GetReelCount(); ++reel) spin.stops.push_back(face->GetSpin().GetTarget(reel).targetStop);
    spin.scriptletLines = true;
    ClickButton(*screen_, "CashOut");
    ASSERT_TRUE(screen_->CanEnd());

    // The program stops with two quarters bet on those stops.
    const int32_t before = int32_t(StoredCash());
    ASSERT_TRUE(roster->Hold(Money(-50), Money(50), &spin));
    host_.reset();
    roster_ = std::make_unique<PlayerRoster>();
    roster = roster_.get();
    EXPECT_EQ(int32_t(StoredCash()), before - 50) << "the bet is spent; the scriptlet line waits";
    ASSERT_TRUE(roster->GetPendingSpin(spin.machine));

    host_ = std::make_unique<MachineHost>(&MakeTestFace);
    screen_ = OpenMachine(slot);
    ASSERT_NE(screen_, nullptr);
    EXPECT_EQ(int32_t(StoredCash()), before - 50 + 42 * 25);
    EXPECT_FALSE(roster->GetPendingSpin(spin.machine));
    EXPECT_TRUE(screen_->CanEnd());
    screen_ = OpenMachine(slot);
    ASSERT_NE(screen_, nullptr);
    EXPECT_EQ(int32_t(StoredCash()), before - 50 + 42 * 25) << "paid once";
    EXPECT_TRUE(errors_.texts.empty()) << errors_.texts[0];
}

TEST_F(PlayFaceScriptTest, AScriptThatDoesNotParseIsShownWithItsLineAndTheMachinePlaysByItsTable) {
    const std::string code = "function Go() {}\nvar broken = (;\nfunction Big() { return 42; }\n";
    const std::string script = GlassHarborScripted(code);
    const std::string slot = BuildSlot(*files_, script, "broken.slot");
    random_.values = {0, 0, 0, 1, 0, 2};
    screen_ = OpenMachine(slot);
    ASSERT_NE(screen_, nullptr);

    // The error was shown once the screen was entered, with the line of the script file
    // (not the line within its code).
    const std::string& text = script;
    const size_t line = size_t(std::count(text.begin(), text.begin() + text.find("var broken"), '\n')) + 1;
    ASSERT_FALSE(errors_.texts.empty());
    EXPECT_NE(errors_.texts[0].find("Line:" + std::to_string(line) + " "), std::string::npos) << errors_.texts[0];
    EXPECT_NE(errors_.texts[0].find("var broken = (;"), std::string::npos) << errors_.texts[0];

    PlayFace* face = SpinWithTwoCoins(slot);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->GetMeters().WinnerPaid(), 20);
    EXPECT_EQ(face->GetMeters().Credit(), 28);
    EXPECT_TRUE(face->GetButtons().IsButtonEnabled(Button::CashOut));
}

TEST_F(PlayFaceScriptTest, AMachineWhoseScriptingCannotStartSaysWhyAndPlaysByItsTable) {
    scriptSetup_.typeLibrary = L"NoSuchLibrary.tlb";
    random_.values = {0, 0, 0, 1, 0, 2};
    PlayFace* face = SpinWithTwoCoins(slot_);
    ASSERT_NE(face, nullptr);
    EXPECT_FALSE(face->GetScript().IsRunning());
    ASSERT_EQ(errors_.texts.size(), 1u);
    EXPECT_NE(errors_.texts[0].find("NoSuchLibrary.tlb"), std::string::npos) << errors_.texts[0];
    EXPECT_EQ(face->GetMeters().WinnerPaid(), 20);
    EXPECT_EQ(face->GetMeters().Credit(), 28);
    EXPECT_EQ(face->GetMeters().Bet(), 0);
}

TEST_F(PlayFaceScriptTest, HandlersThatBetAndClickBetMaxInThePaymentLeaveTheGamePaintingAndLeavable) {
    const std::string code = std::string("var taken = -1, clicks = 0;\n"
                                         "function machine::OnPayment(payment, line, tableIndex) {\n"
                                         "  taken = machine.Bet(1) ? 1 : 0; BetMax.Click(); clicks++; return true;\n"
                                         "}\n") + kHarborFunctions;
    const std::string slot = BuildSlot(*files_, GlassHarborScripted(code), "betting.slot");
    random_.values = {0, 0, 0, 1, 0, 2};  // three Bells
    screen_ = OpenMachine(slot);
    ASSERT_NE(screen_, nullptr);
    auto* face = dynamic_cast<PlayFace*>(screen_->GetFace());
    ASSERT_NE(face, nullptr);
    MachineMeters& meters = face->GetMeters();
    // One coin bet of ten, so that the script's coin would still fit on the bet.
    face->GetMoney().SetCoinsToBet(false);
    face->GetMoney().AddCoins(10);
    face->GetMoney().SetCoinsToBet(true);
    face->GetMoney().OnBetOne();
    ASSERT_EQ(meters.Bet(), 1);
    FrameCount count;

    ClickButton(*screen_, "Spin");
    ASSERT_TRUE(WaitIdle(*face));
    // The handler ran inside the payment, where the machine takes no bet.
    EXPECT_EQ(ScriptValue(*face, "clicks"), 1);
    EXPECT_EQ(ScriptValue(*face, "taken"), 0);
    EXPECT_EQ(meters.WinnerPaid(), 10);
    EXPECT_EQ(meters.Credit(), 9 + 10);
    EXPECT_EQ(meters.Bet(), 0);
    EXPECT_EQ(roster_->GetHeld(), Money(19 * 25));
    // Every take of the scene lock was given back: the engine paints on.
    EXPECT_EQ(EngineSceneLock::Depth(), 0);
    const int painted = count.frames;
    EXPECT_TRUE(PumpUntil([&] { return count.frames >= painted + 5; })) << "the frame thread stopped";
    EXPECT_TRUE(errors_.texts.empty()) << errors_.texts[0];

    EXPECT_TRUE(screen_->CanEnd());
    EXPECT_EQ(roster_->GetCash(), Money(kStartCash - 250 + 19 * 25));
}

TEST_F(PlayFaceScriptTest, OnAllReelsStopPaysOnTrueOrNothingHoldsOnFalseAndReportsAnAnswerThatIsNoBoolean) {
    const std::string code =
        std::string("var answer = true;\nfunction machine::OnAllReelsStop() { return answer; }\n") + kHarborFunctions;
    const std::string slot = BuildSlot(*files_, GlassHarborScripted(code), "answers.slot");
    random_.values = {0, 0, 0, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 2};  // every spin stops on three Bells
    PlayFace* face = SpinWithTwoCoins(slot);
    ASSERT_NE(face, nullptr);
    MachineMeters& meters = face->GetMeters();
    EXPECT_EQ(meters.Credit(), 8 + 20) << "true";
    EXPECT_EQ(meters.Bet(), 0);

    // Bet Max bets two of the credits and spins.
    ScriptValue(*face, "answer = undefined, 0");
    face->GetMoney().OnBetMax();
    ASSERT_TRUE(WaitIdle(*face));
    EXPECT_EQ(meters.Credit(), 28 - 2 + 20) << "nothing";
    EXPECT_EQ(meters.Bet(), 0);
    EXPECT_TRUE(errors_.texts.empty()) << errors_.texts[0];

    ScriptValue(*face, "answer = 'maybe', 0");
    face->GetMoney().OnBetMax();
    ASSERT_TRUE(WaitIdle(*face));
    EXPECT_EQ(meters.Credit(), 46 - 2 + 20) << "a value that is no Boolean";
    EXPECT_EQ(meters.Bet(), 0);
    EXPECT_TRUE(face->GetButtons().IsButtonEnabled(Button::CashOut));
    ASSERT_EQ(errors_.texts.size(), 1u);
    EXPECT_NE(errors_.texts[0].find("OnAllReelsStop"), std::string::npos) << errors_.texts[0];

    // False: the spin is the script's, nothing is paid and the buttons stay off.
    ScriptValue(*face, "answer = false, 0");
    face->GetMoney().OnBetMax();
    ASSERT_TRUE(WaitIdle(*face));
    EXPECT_EQ(meters.Credit(), 62);
    EXPECT_EQ(meters.Bet(), 2);
    EXPECT_EQ(meters.WinnerPaid(), 20) << "as the spin before left it";
    for (Button button : {Button::BetOne, Button::BetMax, Button::CashOut, Button::Spin})
        EXPECT_FALSE(face->GetButtons().IsButtonEnabled(button));
    {
        BoxWatcher told(MachineMoney::kSpinFirst);
        EXPECT_FALSE(screen_->CanEnd()) << "coins are bet";
        EXPECT_TRUE(told.Result().found);
    }
    EXPECT_EQ(errors_.texts.size(), 1u);
}

TEST_F(PlayFaceScriptTest, TheScriptsCreditAndBetAreMoneyHeldAtOnceAndItsBetLocksTheDenomination) {
    const std::string slot = BuildSlot(*files_, GlassHarborScripted(kHarborFunctions), "meters.slot");
    screen_ = OpenMachine(slot);
    ASSERT_NE(screen_, nullptr);
    auto* face = dynamic_cast<PlayFace*>(screen_->GetFace());
    ASSERT_NE(face, nullptr);
    MachineMeters& meters = face->GetMeters();

    EXPECT_EQ(ScriptValue(*face, "Credit.Value = 40, Credit.Value"), 40);
    EXPECT_EQ(meters.Credit(), 40);
    EXPECT_EQ(face->GetIndicators().Find("Credit")->GetValue(), 40);
    EXPECT_EQ(roster_->GetHeld(), Money(40 * 25));
    EXPECT_FALSE(GetDenominationSetting().IsLocked());

    EXPECT_EQ(ScriptValue(*face, "Bet.Value = 2, Bet.Value"), 2);
    EXPECT_EQ(meters.Bet(), 2);
    EXPECT_EQ(roster_->GetHeld(), Money(42 * 25));
    EXPECT_TRUE(GetDenominationSetting().IsLocked());
    {
        BoxWatcher told(MachineMoney::kSpinFirst);
        EXPECT_FALSE(screen_->CanEnd()) << "coins are bet";
        EXPECT_TRUE(told.Result().found);
    }
    ScriptValue(*face, "Bet.Value = 0, 0");
    EXPECT_FALSE(GetDenominationSetting().IsLocked());
    EXPECT_TRUE(errors_.texts.empty()) << errors_.texts[0];

    // Coins below 0 are refused as a script error, and nothing changes.
    int32_t ignored = 0;
    EXPECT_FALSE(face->GetScript().Host().EvaluatePayout("Credit.Value = -5", ignored));
    EXPECT_FALSE(errors_.texts.empty());
    EXPECT_EQ(meters.Credit(), 40);
    EXPECT_EQ(roster_->GetHeld(), Money(40 * 25));

    // Leaving cashes the credit out to the player.
    EXPECT_TRUE(screen_->CanEnd());
    EXPECT_EQ(roster_->GetCash(), Money(kStartCash + 40 * 25));
}

TEST_F(PlayFaceScriptTest, TheScriptsWriteOfTheJackpotBecomesTheMetersValue) {
    const std::string slot = BuildSlot(*files_, GlassHarborScripted(kHarborFunctions), "jackpot.slot");
    screen_ = OpenMachine(slot);
    ASSERT_NE(screen_, nullptr);
    auto* face = dynamic_cast<PlayFace*>(screen_->GetFace());
    ASSERT_NE(face, nullptr);
    ASSERT_NE(face->GetProgressive(), nullptr);
    ProgressiveMeter& meter = face->GetProgressive()->Meter();
    IndicatorDisplay& jackpot = face->GetProgressive()->Display();

    const int32_t written = ProgressiveMeter::SeedFor(Money(25)) + 5000000;
    ScriptValue(*face, "Jackpot.Value = " + std::to_string(written) + ", 0");
    EXPECT_EQ(meter.Value(), written);
    // The frame ticks grow the meter from the written value.
    ASSERT_TRUE(PumpUntil([&] { return jackpot.GetValue() > written; }));
    EXPECT_LT(jackpot.GetValue(), written + 100000);
    EXPECT_EQ(meter.Value(), jackpot.GetValue());
    EXPECT_TRUE(errors_.texts.empty()) << errors_.texts[0];

    int32_t ignored = 0;
    EXPECT_FALSE(face->GetScript().Host().EvaluatePayout("Jackpot.Value = -1", ignored));
    EXPECT_FALSE(errors_.texts.empty());
    EXPECT_GT(meter.Value(), written);
}

TEST_F(PlayFaceScriptTest, AFailedScriptletPayoutIsShownInABoxCaptionedViraduAndPaysNothing) {
    const std::string code = "function Go() {}\nfunction Big() { return 'many'; }\n"
                             "function Cheer() {}\nfunction Insert() {}\n";
    const std::string slot = BuildSlot(*files_, GlassHarborScripted(code), "failing.slot");
    random_.values = {0, 0, 0, 0, 2, 1};  // three Anchors: the table's "Big()" line
    BoxWatcher box("Viradu");
    PlayFace* face = SpinWithTwoCoins(slot);
    ASSERT_NE(face, nullptr);
    const SeenBox seen = box.Result();
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.text, "Payout scriptlet error");
    EXPECT_EQ(face->GetMeters().WinnerPaid(), 0);
    EXPECT_EQ(face->GetMeters().Credit(), 8);
    EXPECT_EQ(face->GetMeters().Bet(), 0);
    EXPECT_TRUE(screen_->CanEnd());
}

// An error inside the payout's expression itself names the script file's line of the payout.
TEST_F(PlayFaceScriptTest, AnErrorInAPayoutExpressionNamesThePayoutsLine) {
    std::string script = GlassHarborScripted("function Go() {}\nfunction Cheer() {}\nfunction Insert() {}\n");
    script.replace(script.find("* \"Big()\""), 9, "* \"Missing()\"");  // on line 14
    const std::string slot = BuildSlot(*files_, script, "missing.slot");
    random_.values = {0, 0, 0, 0, 2, 1};  // three Anchors
    BoxWatcher box("Viradu");
    PlayFace* face = SpinWithTwoCoins(slot);
    ASSERT_NE(face, nullptr);
    EXPECT_TRUE(box.Result().found);
    ASSERT_EQ(errors_.texts.size(), 1u);
    EXPECT_NE(errors_.texts[0].find("\nLine:14 "), std::string::npos) << errors_.texts[0];
    EXPECT_EQ(face->GetMeters().WinnerPaid(), 0);
    EXPECT_TRUE(screen_->CanEnd());
}

#include "SpinController.h"

#include <algorithm>

#include "ProgressiveMeter.h"
#include "RandomGenerator.h"
#include "SpinPlan.h"

namespace {
// Sets a flag for a scope and puts back what it was.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = was_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool was_;
};
}  // namespace

SpinController::SpinController(const SpinLayout& layout, const PayTable& table, const SpinParts& parts)
    : layout_(layout), table_(table), parts_(parts), targets_(layout.ReelCount()), marked_(layout.ReelCount()) {
    for (int reel = 0; reel < layout_.ReelCount(); ++reel) targets_[reel].weightTotal = WeightTotal(layout_.strips[reel]);
}

int32_t SpinController::ChooseStop(int reel) {
    return ::ChooseStop(layout_.strips[reel], targets_[reel].weightTotal, parts_.random);
}

int32_t SpinController::MarkReel(int reel) {
    const int32_t stop = ChooseStop(reel);
    SetReelStop(reel, stop);
    return stop;
}

void SpinController::SetReelStop(int reel, int32_t stop) {
    targets_[reel].targetStop = stop;
    marked_[reel] = true;
}

void SpinController::ReadPositions() {
    for (int reel = 0; reel < layout_.ReelCount(); ++reel) targets_[reel].current = parts_.reels.GetPosition(reel);
}

bool SpinController::AnyMarked() const { return std::find(marked_.begin(), marked_.end(), true) != marked_.end(); }

void SpinController::SetMarkedMoving() {
    allStopped_ = false;
    // The outcome is fixed now: it is stored with the money before any reel moves.
    parts_.meters.HoldSpin(SpinAtStake());
    for (int reel = 0; reel < layout_.ReelCount(); ++reel) {
        if (!marked_[reel]) continue;
        parts_.reels.Spin(reel, targets_[reel]);
        marked_[reel] = false;
    }
}

// A spin asked for while the last one is evaluated starts once that one is paid: its
// payment reads the stops that were drawn for it, and no outcome is paid twice. With no
// reel marked nothing moves, so there is no new outcome and nothing is paid.
void SpinController::StartSpin() {
    if (evaluating_) {
        waiting_ = WaitingStart::Full;
        return;
    }
    parts_.script.OnReelsStart();
    if (!AnyMarked()) return;
    ReadPositions();
    PlanFullSpin(layout_, targets_, marked_, stagger_);
    SetMarkedMoving();
}

void SpinController::MoveReels() {
    if (evaluating_) {
        if (waiting_ == WaitingStart::None) waiting_ = WaitingStart::Short;
        return;
    }
    if (!AnyMarked()) return;
    ReadPositions();
    PlanShortMove(layout_, targets_, marked_);
    SetMarkedMoving();
}

void SpinController::StartWaitingSpin() {
    const WaitingStart waiting = waiting_;
    waiting_ = WaitingStart::None;
    if (waiting == WaitingStart::Full) StartSpin();
    if (waiting == WaitingStart::Short) MoveReels();
}

void SpinController::OnSpin() {
    for (int reel = 0; reel < layout_.ReelCount(); ++reel) MarkReel(reel);
    parts_.buttons.DisableAll();
    StartSpin();
}

void SpinController::OnReelStopped(int reel) {
    parts_.script.OnReelStop(reel);
    EvaluateWhenStill();
}

void SpinController::EvaluateWhenStill() {
    // Any motion state but 0 is a reel still turning.
    for (int reel = 0; reel < layout_.ReelCount(); ++reel)
        if (parts_.reels.GetMotionState(reel) != 0) return;
    if (allStopped_) return;
    allStopped_ = true;
    Evaluate();
    StartWaitingSpin();
}

void SpinController::Evaluate() {
    // Until the spin is paid or handed to the script the machine is not idle: a handler run
    // inside the evaluation cannot bet, cash out or change the denomination.
    FlagScope evaluating(evaluating_);
    // True or an answer of nothing lets the table pay; only false hands the spin to the script.
    if (parts_.script.OnAllReelsStop() == ScriptAnswer::No) return;
    SceneLockHold hold(parts_.lock);
    PayAllLines();
    Settle();
}

void SpinController::PayAllLines() {
    parts_.meters.SetWinnerPaid(0);
    totalPaid_ = 0;
    // The stops drawn for this spin, whatever a handler marks for the next one.
    const std::vector<int32_t> stops = TargetStops();
    for (int line = 0; line < layout_.payLineCount; ++line) PayLine(line, stops);
    parts_.script.OnTotalPayment(totalPaid_);
}

bool SpinController::LineColumn(int line, int32_t coins, int32_t& column) const {
    column = coins;
    if (layout_.payLineCount == 1) return true;
    if (coins <= line) return false;
    column = line + 1;
    return true;
}

std::vector<int32_t> SpinController::TargetStops() const {
    std::vector<int32_t> stops(layout_.ReelCount());
    for (int reel = 0; reel < layout_.ReelCount(); ++reel) stops[reel] = targets_[reel].targetStop;
    return stops;
}

HeldSpin SpinController::SpinAtStake() const {
    HeldSpin spin;
    spin.machine = parts_.machine;
    spin.bet = parts_.meters.Bet();
    spin.denomination = parts_.meters.Denomination();
    spin.stops = TargetStops();
    int64_t win = 0;
    for (int line = 0; line < layout_.payLineCount; ++line) {
        int32_t column = 0, tableIndex = 0;
        PayTable::Payout payout;
        if (!LineColumn(line, spin.bet, column) ||
            !table_.FindWinningLine(layout_.LineSymbols(line, spin.stops), column, payout, tableIndex))
            continue;
        if (payout.type == PayTable::Scriptlet)
            spin.scriptletLines = true;
        else
            win += std::max(payout.amount, 0);
    }
    // As the payment does: no more than the machine can hold.
    const int64_t room = parts_.meters.RoomInCoins() + spin.bet;
    spin.tableWin = int32_t(std::min<int64_t>({win, room, INT32_MAX}));
    return spin;
}

int32_t SpinController::EvaluateScriptletLines(const HeldSpin& spin) {
    if (int(spin.stops.size()) != layout_.ReelCount()) return 0;
    for (int32_t stop : spin.stops)
        if (stop < 0 || stop >= layout_.stopCount) return 0;
    if (parts_.progressive) parts_.progressive->BeginReplay(spin.jackpots);
    int64_t win = 0;
    for (int line = 0; line < layout_.payLineCount; ++line) {
        int32_t column = 0, tableIndex = 0, amount = 0;
        PayTable::Payout payout;
        const std::vector<int32_t> symbols = layout_.LineSymbols(line, spin.stops);
        if (!LineColumn(line, spin.bet, column) || !table_.FindWinningLine(symbols, column, payout, tableIndex) ||
            payout.type != PayTable::Scriptlet)
            continue;
        if (LookUpPayout(symbols, column, tableIndex, amount)) win += amount;
    }
    if (parts_.progressive) parts_.progressive->EndReplay();
    return int32_t(std::min<int64_t>(win, INT32_MAX));
}

void SpinController::PayLine(int line, const std::vector<int32_t>& stops) {
    int32_t column = 0;
    if (!LineColumn(line, parts_.meters.Bet(), column)) return;
    int32_t tableIndex = 0, amount = 0;
    if (!LookUpPayout(layout_.LineSymbols(line, stops), column, tableIndex, amount, true)) return;
    parts_.script.OnPayment(amount, column, tableIndex);
    const int64_t paid = std::min<int64_t>(int64_t(parts_.meters.WinnerPaid()) + amount, INT32_MAX);
    parts_.meters.SetWinnerPaid(int32_t(paid));
    totalPaid_ = int32_t(std::min<int64_t>(int64_t(totalPaid_) + amount, INT32_MAX));
}

int32_t SpinController::PayoutFileLine(int32_t tableIndex, int32_t coins) const {
    const std::vector<std::vector<int32_t>>* lines = parts_.payoutLines;
    if (!lines || tableIndex < 0 || size_t(tableIndex) >= lines->size() || coins < 1) return 0;
    const std::vector<int32_t>& line = (*lines)[size_t(tableIndex)];
    return size_t(coins) <= line.size() ? line[size_t(coins - 1)] : 0;
}

bool SpinController::LookUpPayout(const std::vector<int32_t>& symbols, int32_t column, int32_t& tableIndex,
                                  int32_t& amount, bool ofTheSpin) {
    PayTable::Payout payout;
    if (!table_.FindWinningLine(symbols, column, payout, tableIndex)) return false;
    if (payout.type != PayTable::Scriptlet) {
        amount = payout.amount;
        return true;
    }
    ProgressiveMeter* progressive = parts_.progressive;
    // The jackpots a line of the spin takes are kept with the spin at stake.
    size_t taken = 0;
    if (progressive && ofTheSpin)
        progressive->BeginPayout([this, &taken](int32_t cents) {
            parts_.meters.NoteJackpot(cents);
            ++taken;
        });
    else if (progressive)
        progressive->BeginPayout();
    const bool paid = parts_.script.EvaluatePayout(payout.scriptlet, PayoutFileLine(tableIndex, column), amount) &&
                      amount >= 0;
    if (!paid && taken) parts_.meters.ForgetJackpots(taken);
    if (progressive) progressive->EndPayout(paid);
    if (!paid) parts_.notices.PayoutScriptletError("Payout scriptlet error");
    return paid;
}

void SpinController::Settle() {
    MachineMeters& meters = parts_.meters;
    // The bet is spent; the win must still fit in the money the machine can hold.
    const int64_t room = meters.RoomInCoins() + meters.Bet();
    const int32_t win = int32_t(std::min<int64_t>(meters.WinnerPaid(), room));
    if (win < meters.WinnerPaid()) {
        parts_.notices.AmountRefused("The win is more than the machine can hold; it pays " + std::to_string(win) +
                                     " credits.");
        meters.SetWinnerPaid(win);
    }
    meters.Exchange(Money(), meters.Credit() + win, 0);
    parts_.buttons.EnableAfterSpin();
}

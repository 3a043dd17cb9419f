// A spin from the draw of the stops to the payment: draws each reel's stop by weight, sets
// the reels moving, and when the last reel has stopped reads every played pay line against
// the pay table, evaluates scriptlet payouts, fires the script's events and pays the win
// into "WinnerPaid" and "Credit".
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ButtonRules.h"
#include "HeldSpin.h"
#include "MachineMeters.h"
#include "PayTable.h"
#include "PlayNotices.h"
#include "ReelSet.h"
#include "SceneLock.h"
#include "SpinLayout.h"
#include "SpinScript.h"

class ProgressiveMeter;
class RandomSource;

// What a spin works with besides its layout and pay table.
struct SpinParts {
    ReelSet& reels;
    SpinScript& script;
    MachineMeters& meters;
    ButtonRules& buttons;
    PlayNotices& notices;
    RandomSource& random;
    SceneLock* lock = nullptr;
    ProgressiveMeter* progressive = nullptr;
    // The machine file's name without its folder, kept with a spin at stake.
    std::string machine = std::string();
    // Per pay table line and coin count, the script file's line of the payout (may be null).
    const std::vector<std::vector<int32_t>>* payoutLines = nullptr;
};

class SpinController {
public:
    // The layout must be playable (SpinLayout::Problem empty).
    SpinController(const SpinLayout& layout, const PayTable& table, const SpinParts& parts);

    // A stop drawn by weight.
    int32_t ChooseStop(int reel);
    // Draws the reel's next stop and marks it for the next start; returns the stop.
    int32_t MarkReel(int reel);
    // Sets the reel's next stop and marks it.
    void SetReelStop(int reel, int32_t stop);
    // Starts every marked reel on a full spin. With no reel marked (after OnReelsStart)
    // nothing starts and nothing is paid; asked for while a spin is evaluated, the start
    // waits until that spin is paid or handed to the script.
    void StartSpin();
    // Moves every marked reel the short way to its stop; nothing without a marked reel,
    // and as StartSpin while a spin is evaluated.
    void MoveReels();
    // The Spin button: fresh stops for every reel, the buttons off, the reels started.
    void OnSpin();
    // A reel posted that it stopped.
    void OnReelStopped(int reel);
    // The pay-table look-up of one line for symbols given by the script; false when no
    // line pays or a scriptlet payout fails (reported; it pays nothing). A look-up of the
    // spin's own payment keeps the jackpots it takes with the spin at stake.
    bool LookUpPayout(const std::vector<int32_t>& symbols, int32_t column, int32_t& tableIndex, int32_t& amount,
                      bool ofTheSpin = false);
    // The coins the scriptlet lines of a spin cut short pay, evaluated now (the lines the
    // table pays by amount were paid when the program started again); 0 for a spin that
    // is not of this machine's shape.
    int32_t EvaluateScriptletLines(const HeldSpin& spin);

    // The last spin has stopped and its evaluation is over (paid, or handed to the script).
    bool IsIdle() const { return allStopped_ && !evaluating_; }
    const ReelTarget& GetTarget(int reel) const { return targets_[reel]; }
    int32_t GetTotalPaid() const { return totalPaid_; }
    void SetStagger(bool stagger) { stagger_ = stagger; }

private:
    void ReadPositions();
    bool AnyMarked() const;
    void SetMarkedMoving();
    void EvaluateWhenStill();
    void Evaluate();
    // The start that was asked for during the evaluation, if any.
    void StartWaitingSpin();
    void PayAllLines();
    void PayLine(int line, const std::vector<int32_t>& stops);
    void Settle();
    // The pay table's column for a line when `coins` are bet; false when the line is not played.
    bool LineColumn(int line, int32_t coins, int32_t& column) const;
    // The script file's line of a payout; 0 when the machine file does not say.
    int32_t PayoutFileLine(int32_t tableIndex, int32_t coins) const;
    std::vector<int32_t> TargetStops() const;
    // The spin whose stops were just drawn, with what the table pays on them.
    HeldSpin SpinAtStake() const;

    const SpinLayout& layout_;
    const PayTable& table_;
    SpinParts parts_;
    std::vector<ReelTarget> targets_;
    std::vector<bool> marked_;
    bool stagger_ = true;
    bool allStopped_ = true;
    // The stopped spin's answer and payment are running.
    bool evaluating_ = false;
    int32_t totalPaid_ = 0;
    enum class WaitingStart { None, Full, Short };
    WaitingStart waiting_ = WaitingStart::None;
};

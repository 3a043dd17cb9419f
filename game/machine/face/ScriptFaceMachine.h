// The machine screen as the script's "machine" object sees it: the play rules (spin, pay
// table, bets, buttons) and the machine's records and names.
#pragma once
#include "MachineMoney.h"
#include "MachineRecords.h"
#include "ProgressiveMeter.h"
#include "ScriptMachine.h"
#include "SpinController.h"

struct ScriptFaceParts {
    const MachineRecords& records;
    SpinController& spin;
    MachineMoney& money;
    MachineMeters& meters;
    RandomSource& random;
    ProgressiveMeter* progressive = nullptr;  // null: the machine has no progressive
};

class ScriptFaceMachine : public ScriptMachine {
public:
    explicit ScriptFaceMachine(const ScriptFaceParts& parts) : parts_(parts) {}

    bool QueryTitle(std::string& title) const override;
    bool GetInOrderStop() const override { return inOrder_; }
    void SetInOrderStop(bool inOrder) override;
    int32_t GetDenominationCents() const override { return parts_.meters.Denomination().Cents(); }
    bool GetBettingFlag() const override { return parts_.money.GetCoinsToBet(); }
    void SetBettingFlag(bool betting) override { parts_.money.SetCoinsToBet(betting); }
    bool HasSpinEnded() const override { return parts_.spin.IsIdle(); }
    int32_t GetBet() const override { return parts_.meters.Bet(); }
    int32_t GetMaxBet() const override { return parts_.records.maxBet; }
    void StartSpin() override { parts_.spin.StartSpin(); }
    int32_t GetReelCount() const override { return parts_.records.reelCount; }
    int32_t GetSymbolCount() const override { return parts_.records.symbolCount; }
    bool EvaluateSymbols(int32_t bet, const std::vector<int16_t>& symbols, int32_t& tableIndex,
                         int32_t& amount) override;
    void ChooseStops() override;
    void SpinToChosenStops() override { parts_.spin.MoveReels(); }
    RandomSource& GetRandom() override { return parts_.random; }
    bool BetCoins(int32_t coins) override { return parts_.money.BetCoins(coins); }
    bool HasProgressive() const override { return parts_.progressive != nullptr; }
    // Reading the jackpot takes it: the meter starts again from its seed.
    int32_t TakeProgressiveCents() override { return parts_.progressive ? parts_.progressive->TakeJackpot() : 0; }
    void UpdateButtons() override { parts_.money.RefreshButtons(); }
    std::vector<std::string> GetSymbolNames() const override { return parts_.records.symbolNames; }
    std::map<std::string, int32_t> GetAnimationTable() const override;
    std::map<std::string, int32_t> GetSoundTable() const override;

private:
    ScriptFaceParts parts_;
    // The spin's stagger flag, which starts set.
    bool inOrder_ = true;
};

// What the "machine" object needs of the machine screen it stands for. The machine screen
// implements it; the script side holds it only while the script runs.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "RandomGenerator.h"

class ScriptMachine {
public:
    // False when the screen has no title.
    virtual bool QueryTitle(std::string& title) const = 0;
    // With the flag set, each reel of a spin travels further than the reel before it.
    virtual bool GetInOrderStop() const = 0;
    virtual void SetInOrderStop(bool inOrder) = 0;
    // The value of one coin.
    virtual int32_t GetDenominationCents() const = 0;
    virtual bool GetBettingFlag() const = 0;
    virtual void SetBettingFlag(bool betting) = 0;
    virtual bool HasSpinEnded() const = 0;
    // The "Bet" indicator's value, and the machine's maximum bet.
    virtual int32_t GetBet() const = 0;
    virtual int32_t GetMaxBet() const = 0;
    // Fires OnReelsStart and sets every reel moving.
    virtual void StartSpin() = 0;
    virtual int32_t GetReelCount() const = 0;
    virtual int32_t GetSymbolCount() const = 0;
    // The best-paying pay-table line for the symbols (one per reel) at that bet, a
    // scriptlet payout evaluated; false when nothing pays.
    virtual bool EvaluateSymbols(int32_t bet, const std::vector<int16_t>& symbols, int32_t& tableIndex,
                                 int32_t& amount) = 0;
    // Draws a stop for every reel by the weights and marks the reels.
    virtual void ChooseStops() = 0;
    // Starts every marked reel towards its stop the short way round, without OnReelsStart.
    virtual void SpinToChosenStops() = 0;
    virtual RandomSource& GetRandom() = 0;
    // Bets the coins as the betting buttons do; false when they were not taken.
    virtual bool BetCoins(int32_t coins) = 0;
    virtual bool HasProgressive() const = 0;
    // The progressive indicator's value, after which it starts again from its base.
    virtual int32_t TakeProgressiveCents() = 0;
    // Sets the enabled state of "BetOne", "BetMax", "CashOut" and "Spin" anew.
    virtual void UpdateButtons() = 0;
    // The script's named numbers: symbol names (valued by index), animations, sounds.
    virtual std::vector<std::string> GetSymbolNames() const = 0;
    virtual std::map<std::string, int32_t> GetAnimationTable() const = 0;
    virtual std::map<std::string, int32_t> GetSoundTable() const = 0;

protected:
    ~ScriptMachine() = default;
};

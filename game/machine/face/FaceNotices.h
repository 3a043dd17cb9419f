// What play tells the player at a machine: message boxes over the screen's window, and
// the machine's coin sound while sound effects are on.
#pragma once
#include <windows.h>

#include <cstdint>

#include "PlayNotices.h"

class FaceNotices : public PlayNotices {
public:
    // coinSound: the engine handle of the coin sound, 0 for none.
    explicit FaceNotices(HWND owner, uint32_t coinSound = 0) : owner_(owner), coinSound_(coinSound) {}

    void CashChanged() override;
    void InsufficientFunds(const std::string& text) override;
    void AmountRefused(const std::string& text) override;
    void PayoutScriptletError(const std::string& text) override;
    void StaysOpen(const std::string& caption, const std::string& text) override;
    void CoinDropped() override;

private:
    HWND owner_;
    uint32_t coinSound_;
};

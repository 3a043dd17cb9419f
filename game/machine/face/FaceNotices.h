// What play tells the player at a machine: message boxes over the screen's window.
#pragma once
#include <windows.h>

#include "PlayNotices.h"

class FaceNotices : public PlayNotices {
public:
    explicit FaceNotices(HWND owner) : owner_(owner) {}

    void CashChanged() override;
    void InsufficientFunds(const std::string& text) override;
    void AmountRefused(const std::string& text) override;
    void PayoutScriptletError(const std::string& text) override;
    void CoinDropped() override {}

private:
    HWND owner_;
};

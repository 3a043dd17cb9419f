#include "ButtonRules.h"

void ButtonRules::UpdateBetMax() {
    const int64_t bet = meters_.Bet(), credit = meters_.Credit();
    Enable(Button::BetMax, bet < maxBet_ && credit + bet >= maxBet_);
}

void ButtonRules::EnableAfterSpin() {
    if (meters_.Credit() > 0) Enable(Button::BetOne, true);
    UpdateBetMax();
    Enable(Button::CashOut, meters_.Credit() != 0);
}

void ButtonRules::Refresh(bool takesBets) {
    if (!takesBets) {
        DisableAll();
        return;
    }
    Enable(Button::BetOne, meters_.Credit() > 0 && meters_.Bet() < maxBet_);
    UpdateBetMax();
    Enable(Button::CashOut, meters_.Credit() > 0 && meters_.Bet() == 0);
    Enable(Button::Spin, meters_.Bet() != 0);
}

void ButtonRules::DisableAll() {
    for (Button b : {Button::BetOne, Button::BetMax, Button::CashOut, Button::Spin}) Enable(b, false);
}

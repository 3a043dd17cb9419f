// What play tells the player outside the meters: the caption with the cash, message boxes
// and the coin sound.
#pragma once
#include <string>

class PlayNotices {
public:
    virtual ~PlayNotices() = default;
    // The player's cash changed (the main window's caption is repainted).
    virtual void CashChanged() = 0;
    // An "Insufficient Funds" box with the text.
    virtual void InsufficientFunds(const std::string& text) = 0;
    // An amount too large for the machine or the player was refused or cut.
    virtual void AmountRefused(const std::string& text) = 0;
    // A payout scriptlet failed: "Payout scriptlet error" (in a box captioned "Viradu").
    virtual void PayoutScriptletError(const std::string& text) = 0;
    // The machine refused to be left or to do something: the caption says what to do,
    // the text why.
    virtual void StaysOpen(const std::string& caption, const std::string& text) = 0;
    // A coin fell into the slot (the sound plays when sound effects are on).
    virtual void CoinDropped() = 0;
};

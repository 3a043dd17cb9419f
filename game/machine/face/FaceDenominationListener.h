// The machine's ear on the game's "Denomination" setting: a new value set elsewhere (the
// options of the menu) reaches the machine's money, which takes it, or the nearest value
// the machine accepts, when no coins are bet; the setting then holds what the machine plays.
#pragma once
#include <cstdint>

#include "MachineMoney.h"

class DenominationSetting;

class FaceDenominationListener {
public:
    // Listens from now on.
    FaceDenominationListener(DenominationSetting& setting, MachineMoney& money);
    ~FaceDenominationListener();
    FaceDenominationListener(const FaceDenominationListener&) = delete;
    FaceDenominationListener& operator=(const FaceDenominationListener&) = delete;

    void OnDenominationChanged(const int32_t& cents);

private:
    DenominationSetting& setting_;
    MachineMoney& money_;
    uint32_t cookie_;
};

#include "FaceDenominationListener.h"

#include "DenominationChoice.h"
#include "DenominationSetting.h"
#include "Denominations.h"

FaceDenominationListener::FaceDenominationListener(DenominationSetting& setting, MachineMoney& money)
    : setting_(setting), money_(money), cookie_(setting.AddListener(this, &FaceDenominationListener::OnDenominationChanged)) {}

FaceDenominationListener::~FaceDenominationListener() { setting_.RemoveListener(cookie_); }

// A value the machine does not take becomes the one it would choose at load; when the
// machine cannot change (or chose another), the setting is given the machine's value, so
// that the options, the lobby and the machine show one denomination.
void FaceDenominationListener::OnDenominationChanged(const int32_t& cents) {
    const uint32_t flag = ChooseDenominationFlag(money_.GetDenominationMask(), GetDenominationFlag(Money(cents)));
    if (flag) money_.OnDenominationChanged(GetDenominationValue(flag).Cents());
    const int32_t playing = money_.GetDenomination().Cents();
    if (playing != cents) setting_.Set(playing);
}

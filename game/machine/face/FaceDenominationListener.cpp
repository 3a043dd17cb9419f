#include "FaceDenominationListener.h"

#include "DenominationSetting.h"

FaceDenominationListener::FaceDenominationListener(DenominationSetting& setting, MachineMoney& money)
    : setting_(setting), money_(money), cookie_(setting.AddListener(this, &FaceDenominationListener::OnDenominationChanged)) {}

FaceDenominationListener::~FaceDenominationListener() { setting_.RemoveListener(cookie_); }

void FaceDenominationListener::OnDenominationChanged(const int32_t& cents) { money_.OnDenominationChanged(cents); }

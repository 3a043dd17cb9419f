// A machine's hold on the game's "Denomination" setting.
#pragma once
#include "DenominationControl.h"
#include "DenominationSetting.h"

class DenominationSettingControl : public DenominationControl {
public:
    explicit DenominationSettingControl(DenominationSetting& setting) : setting_(setting) {}

    void Lock() override { setting_.Lock(); }
    void Unlock() override { setting_.Unlock(); }
    void Store(int32_t cents) override;

private:
    DenominationSetting& setting_;
};

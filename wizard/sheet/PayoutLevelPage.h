// The wizard page that chooses the payout level, and with it the bounds of the return.
#pragma once
#include "WizardPage.h"

class PayoutLevelPage : public WizardPage {
public:
    explicit PayoutLevelPage(WizardSheet* sheet);

    int OnWizardNext(PropertySheet* sheet, LRESULT* result) override;

private:
    void OnShow(bool first) override;
};

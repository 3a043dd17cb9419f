#include "PayoutLevelPage.h"

#include "WizardIds.h"

PayoutLevelPage::PayoutLevelPage(WizardSheet* sheet) : WizardPage(IDD_WIZARD_PAYOUT_LEVEL, sheet) {}

void PayoutLevelPage::OnShow(bool first)
{
    if (first)
        CheckRadio(IDC_WIZARD_LEVEL_LOW, IDC_WIZARD_LEVEL_FUN,
                   IDC_WIZARD_LEVEL_LOW + static_cast<int>(Document().payoutLevel));
}

// The checked level (High when none is) with its bounds.
int PayoutLevelPage::OnWizardNext(PropertySheet*, LRESULT*)
{
    unsigned level = 2;
    for (unsigned choice = 0; choice < 4; ++choice)
        if (GetItemCheck(IDC_WIZARD_LEVEL_LOW + static_cast<int>(choice)) == BST_CHECKED)
            level = choice;
    Document().SetPayoutLevel(level);
    return 1;
}

#include "WizardPage.h"

WizardPage::WizardPage(int dialogId, WizardSheet* sheet, DWORD buttons)
    : PropertyPage(dialogId), wizard_(sheet), buttons_(buttons)
{
    sheet->AddPage(this);
}

int WizardPage::OnSetActive(PropertySheet*)
{
    SetWizardButtons(buttons_);
    const bool first = !firstShown_;
    firstShown_ = 1;
    OnShow(first);
    return 0;
}

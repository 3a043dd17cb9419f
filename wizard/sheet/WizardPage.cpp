#include "WizardPage.h"

#include "HelpTopic.h"

WizardPage::WizardPage(int dialogId, WizardSheet* sheet, DWORD buttons)
    : PropertyPage(dialogId), wizard_(sheet), buttons_(buttons)
{
    sheet->AddPage(this);
    BindMessage(WM_HELP, this, &WizardPage::OnHelpKey);
}

void WizardPage::OnHelp(PropertySheet*)
{
    ShowHelpTopic(GetHandle(), kAuthorsReferenceFile, kWizardHelpTopic);
}

LRESULT WizardPage::OnHelpKey(WPARAM, LPARAM)
{
    OnHelp(wizard_);
    return TRUE;
}

int WizardPage::OnSetActive(PropertySheet*)
{
    SetWizardButtons(buttons_);
    const bool first = !firstShown_;
    firstShown_ = 1;
    OnShow(first);
    return 0;
}

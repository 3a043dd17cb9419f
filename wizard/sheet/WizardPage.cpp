#include "WizardPage.h"

#include <commctrl.h>

#include "HelpTopic.h"

namespace {
const UINT_PTR kSheetHelpId = 1;

// F1 on the sheet's own buttons reaches the sheet, not a page.
LRESULT CALLBACK SheetHelpProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message != WM_HELP)
        return DefSubclassProc(sheet, message, wParam, lParam);
    try {
        ShowHelpTopic(sheet, kAuthorsReferenceFile, kWizardHelpTopic);
    } catch (...) {
        // No help this time; the wizard goes on.
    }
    return TRUE;
}
}  // namespace

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
    if (HWND sheet = GetParent(GetHandle()))
        SetWindowSubclass(sheet, SheetHelpProc, kSheetHelpId, 0);
    const bool first = !firstShown_;
    firstShown_ = 1;
    OnShow(first);
    return 0;
}

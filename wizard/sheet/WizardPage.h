// The base of the wizard's pages: a property page of the wizard's sheet, appended to the
// sheet when it is made (so the pages stand in the order they were made), which sets the
// sheet's wizard buttons whenever it becomes active.
#pragma once
#include <cstdint>

#include "PropertyPage.h"
#include "WizardSheet.h"

class WizardPage : public PropertyPage {
public:
    WizardPage(int dialogId, WizardSheet* sheet, DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT);

    int OnSetActive(PropertySheet* sheet) override;
    // The sheet's Help: the wizard's topic of the authors' reference, as F1 on the page.
    void OnHelp(PropertySheet* sheet) override;

protected:
    WizardDocument& Document() { return wizard_->document; }

    // Called on activation; `first` the first time the page is shown.
    virtual void OnShow(bool first) { (void)first; }

    WizardSheet* wizard_;
    uint8_t firstShown_ = 0;
    DWORD buttons_;

private:
    // F1 on the page (WM_HELP).
    LRESULT OnHelpKey(WPARAM, LPARAM);
};

#include "IndicatorPropertiesDialog.h"

#include "AnimationChoices.h"
#include "EditorDialogIds.h"
#include "ElementDialogControls.h"
#include "ElementPlacement.h"

IndicatorPropertiesDialog::IndicatorPropertiesDialog(const std::string& name, const IndicatorPart& record,
                                                     const std::vector<std::string>& choices,
                                                     const std::string& ownSet)
    : Dialog(IDD_INDICATOR_PROPERTIES), name_(name), record_(record), choices_(choices), ownSet_(ownSet) {
    BindCommand(IDOK, this, &IndicatorPropertiesDialog::OnOK);
    BindCommand(IDCANCEL, this, &IndicatorPropertiesDialog::OnCancel);
}

int IndicatorPropertiesDialog::OnCreate() {
    HWND dialog = GetHandle();
    SetText(name_ + ": Indicator Properties");
    SetDlgItemInt(dialog, IDC_PRIORITY, UINT(record_.priority), TRUE);
    SetDlgItemInt(dialog, IDC_DIGITS, UINT(record_.digits), TRUE);
    CheckDlgButton(dialog, IDC_DOLLAR_SIGN, record_.dollarSign ? BST_CHECKED : BST_UNCHECKED);
    FillChoices(dialog, IDC_ANIMATION, choices_, ChoiceFor(record_.picture.animationName, ownSet_));
    // An indicator without a picture of its own (a new one) starts on the first animation.
    if (SendDlgItemMessageA(dialog, IDC_ANIMATION, CB_GETCURSEL, 0, 0) == CB_ERR)
        SendDlgItemMessageA(dialog, IDC_ANIMATION, CB_SETCURSEL, 0, 0);
    return 1;
}

void IndicatorPropertiesDialog::OnOK(int, int) {
    HWND dialog = GetHandle();
    record_.priority = ReadSignedInt(dialog, IDC_PRIORITY);
    record_.digits = ClampDigits(ReadSignedInt(dialog, IDC_DIGITS));
    record_.picture.animationName = AnimationNameFor(SelectedChoice(dialog, IDC_ANIMATION), ownSet_);
    record_.dollarSign = IsDlgButtonChecked(dialog, IDC_DOLLAR_SIGN) == BST_CHECKED ? 1 : 0;
    End(1);
}

void IndicatorPropertiesDialog::OnCancel(int, int) { End(0); }

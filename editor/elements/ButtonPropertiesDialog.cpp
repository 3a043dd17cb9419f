#include "ButtonPropertiesDialog.h"

#include "AnimationChoices.h"
#include "EditorDialogIds.h"
#include "ElementDialogControls.h"

ButtonPropertiesDialog::ButtonPropertiesDialog(const std::string& name, const ButtonPart& record,
                                               const std::vector<std::string>& choices, const std::string& ownSet)
    : Dialog(IDD_BUTTON_PROPERTIES), name_(name), record_(record), choices_(choices), ownSet_(ownSet) {
    BindCommand(IDOK, this, &ButtonPropertiesDialog::OnOK);
    BindCommand(IDCANCEL, this, &ButtonPropertiesDialog::OnCancel);
}

int ButtonPropertiesDialog::OnCreate() {
    HWND dialog = GetHandle();
    SetText(name_ + ": Button Properties");
    SetDlgItemInt(dialog, IDC_PRIORITY, UINT(record_.priority), TRUE);
    ShowHotKey(dialog, IDC_HOTKEY, record_.hotKey);
    CheckDlgButton(dialog, IDC_SHIFT, (record_.hotKeyFlags & HotKeyShift) ? BST_CHECKED : BST_UNCHECKED);
    FillChoices(dialog, IDC_ANIMATION, choices_, ChoiceFor(record_.picture.animationName, ownSet_));
    // A button without a picture of its own (a new one) starts on the first animation.
    if (SendDlgItemMessageA(dialog, IDC_ANIMATION, CB_GETCURSEL, 0, 0) == CB_ERR)
        SendDlgItemMessageA(dialog, IDC_ANIMATION, CB_SETCURSEL, 0, 0);
    return 1;
}

// A hot key the script cannot hold keeps the dialog open, with the key field to mend.
void ButtonPropertiesDialog::OnOK(int, int) {
    HWND dialog = GetHandle();
    const int32_t hotKey = ReadHotKey(dialog, IDC_HOTKEY);
    const std::string refusal = HotKeyRefusal(hotKey);
    if (!refusal.empty()) {
        MessageBoxA(dialog, refusal.c_str(), kInvalidHotKeyCaption, MB_OK | MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(dialog, IDC_HOTKEY));
        return;
    }
    record_.priority = ReadSignedInt(dialog, IDC_PRIORITY);
    record_.picture.animationName = AnimationNameFor(SelectedChoice(dialog, IDC_ANIMATION), ownSet_);
    record_.hotKey = hotKey;
    if (IsDlgButtonChecked(dialog, IDC_SHIFT) == BST_CHECKED) record_.hotKeyFlags |= HotKeyShift;
    else record_.hotKeyFlags &= ~HotKeyShift;
    End(1);
}

void ButtonPropertiesDialog::OnCancel(int, int) { End(0); }

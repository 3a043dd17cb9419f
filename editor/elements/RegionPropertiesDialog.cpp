#include "RegionPropertiesDialog.h"

#include "EditorDialogIds.h"
#include "ElementDialogControls.h"

RegionPropertiesDialog::RegionPropertiesDialog(const std::string& name, const RegionPart& record)
    : Dialog(IDD_REGION_PROPERTIES), name_(name), record_(record) {
    BindCommand(IDOK, this, &RegionPropertiesDialog::OnOK);
    BindCommand(IDCANCEL, this, &RegionPropertiesDialog::OnCancel);
}

int RegionPropertiesDialog::OnCreate() {
    SetText(name_ + ": Region Properties");
    ShowHotKey(GetHandle(), IDC_HOTKEY, record_.hotKey);
    CheckDlgButton(GetHandle(), IDC_SHIFT, (record_.hotKeyFlags & HotKeyShift) ? BST_CHECKED : BST_UNCHECKED);
    return 1;
}

void RegionPropertiesDialog::OnOK(int, int) {
    record_.hotKey = ReadHotKey(GetHandle(), IDC_HOTKEY);
    if (IsDlgButtonChecked(GetHandle(), IDC_SHIFT) == BST_CHECKED) record_.hotKeyFlags |= HotKeyShift;
    else record_.hotKeyFlags &= ~HotKeyShift;
    End(1);
}

void RegionPropertiesDialog::OnCancel(int, int) { End(0); }

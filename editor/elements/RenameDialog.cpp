#include "RenameDialog.h"

#include "EditorDialogIds.h"
#include "ElementName.h"

namespace {
const int kNameLimit = 127;
}

RenameDialog::RenameDialog(const std::string& kind, const std::string& name, NameInUse isUsed)
    : Dialog(IDD_RENAME), kind_(kind), name_(name), isUsed_(std::move(isUsed)) {
    BindCommand(IDOK, this, &RenameDialog::OnOK);
    BindCommand(IDCANCEL, this, &RenameDialog::OnCancel);
}

int RenameDialog::OnCreate() {
    SetText("Rename " + kind_);
    SetItemText(IDC_RENAME_PROMPT, "Enter new name for " + name_);
    SetItemText(IDC_RENAME_NAME, name_);
    return 1;
}

void RenameDialog::OnOK(int, int) {
    const std::string text = GetItemText(IDC_RENAME_NAME, kNameLimit + 1);
    const std::string typed = text.substr(0, text.find('\0'));
    const std::string name = MakeValidName(typed);
    const NameInUse isUsed = isUsed_ ? isUsed_ : [](const std::string&) { return false; };
    const std::string refusal = RenameRefusal(name, name_, kind_, isUsed);
    if (!refusal.empty()) {
        MessageBoxA(GetHandle(), refusal.c_str(), "Invalid Name", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // A name made valid is never taken silently: the author sees what it becomes.
    if (name != typed &&
        MessageBoxA(GetHandle(), NameChangeNotice(typed, name).c_str(), kNameChangeCaption,
                    MB_OKCANCEL | MB_ICONINFORMATION) != IDOK) {
        SetFocus(GetDlgItem(GetHandle(), IDC_RENAME_NAME));
        return;
    }
    name_ = name;
    End(1);
}

void RenameDialog::OnCancel(int, int) { End(0); }

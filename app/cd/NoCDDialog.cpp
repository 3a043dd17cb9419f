#include "NoCDDialog.h"

#include "CDFolders.h"
#include "DriveList.h"
#include "GeneralSettings.h"

namespace {
// The "Insert the CD in drive %1" line for a drive's root text.
std::string InsertLineFor(const std::string& drive) {
    char line[300] = {};
    DWORD_PTR arguments[] = {reinterpret_cast<DWORD_PTR>(drive.c_str())};
    FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, "Insert the CD in drive %1", 0, 0,
                   line, sizeof line, reinterpret_cast<va_list*>(&arguments[0]));
    return line;
}
}  // namespace

NoCDDialog::NoCDDialog() : Dialog(IDD_NO_CD) {
    BindCommand(IDC_USE_CD, this, &NoCDDialog::OnUseCD);
    BindCommand(IDC_DONT_USE_CD, this, &NoCDDialog::OnDontUseCD);
    BindCommand(IDC_CD_DRIVES, this, &NoCDDialog::OnDriveChanged);
    BindCommand(IDOK, this, &NoCDDialog::OnOK);
    BindCommand(IDCANCEL, this, &NoCDDialog::OnCancel);
}

int NoCDDialog::OnCreate() {
    drives_.AttachItem(this, IDC_CD_DRIVES);
    FillDriveList(drives_);
    ShowInsertLine();
    SetItemCheck(IDC_DONT_ASK_AGAIN, GetPromptCDSetting().Get() ? BST_UNCHECKED : BST_CHECKED);
    SetItemCheck(IDC_USE_CD, BST_CHECKED);
    SetItemCheck(IDC_DONT_USE_CD, BST_UNCHECKED);
    return 1;
}

void NoCDDialog::OnDestroy() { drives_.Unsubclass(); }

void NoCDDialog::ShowInsertLine() { SetItemText(IDC_INSERT_CD_LINE, InsertLineFor(GetSelectedDrive(drives_))); }

void NoCDDialog::OnUseCD(int, int) {
    EnableItem(IDC_CD_DRIVES);
    SetSkippingCD(false);
}

void NoCDDialog::OnDontUseCD(int, int) {
    DisableItem(IDC_CD_DRIVES);
    SetSkippingCD(true);
}

void NoCDDialog::OnDriveChanged(int, int) { ShowInsertLine(); }

void NoCDDialog::StorePromptChoice() {
    GetPromptCDSetting().Set(GetItemCheck(IDC_DONT_ASK_AGAIN) != BST_CHECKED);
}

void NoCDDialog::OnOK(int, int) {
    StorePromptChoice();
    MoveCDFoldersToDrive(GetSelectedDrive(drives_)[0]);
    End(GetItemCheck(IDC_USE_CD) == BST_CHECKED ? 1 : 0);
}

void NoCDDialog::OnCancel(int, int) {
    StorePromptChoice();
    SetSkippingCD(true);
    End(0);
}

#include "OptionsDialog.h"

#include "AppState.h"
#include "CDFolders.h"
#include "DriveList.h"
#include "GeneralSettings.h"
#include "PromptForCD.h"

namespace {
// The denomination buttons' values in cents, in the order of their ids.
const int32_t kDenominations[] = {25, 100, 500, 2500, 10000};
const int kDenominationCount = int(sizeof kDenominations / sizeof kDenominations[0]);

int CheckState(bool on) { return on ? BST_CHECKED : BST_UNCHECKED; }
}  // namespace

OptionsDialog::OptionsDialog() : Dialog(IDD_OPTIONS) {
    BindCommand(IDC_CD_DRIVES, this, &OptionsDialog::OnDriveSelChange);
    BindCommand(IDOK, this, &OptionsDialog::OnOK);
    BindCommand(IDCANCEL, this, &OptionsDialog::OnCancel);
}

INT_PTR OptionsDialog::Run(Window* parent) { return DoModal(parent); }

int OptionsDialog::OnCreate() {
    SetItemCheck(IDC_SOUND_EFFECTS, CheckState(GetSoundEffectsSetting().Get()));
    SetItemCheck(IDC_AMBIENT_SOUNDS, CheckState(GetAmbientSoundsSetting().Get()));
    SetItemCheck(IDC_PROMPT_CD, CheckState(GetPromptCDSetting().Get()));
    SetItemCheck(IDC_SKIP_INTRO, CheckState(GetIntroSequenceSetting().Get()));
    drives_.AttachItem(this, IDC_CD_DRIVES);
    FillDriveList(drives_);
    ShowDenomination();
    driveChanged_ = false;
    return 1;
}

void OptionsDialog::OnDestroy() { drives_.Unsubclass(); }

void OptionsDialog::ShowDenomination() {
    DenominationSetting& denomination = GetDenominationSetting();
    // A denomination chosen at a machine that is none of the buttons' checks none: the
    // dialog shows no other value than the one in play.
    for (int i = 0; i < kDenominationCount; ++i)
        SetItemCheck(IDC_DENOMINATION_FIRST + i, CheckState(kDenominations[i] == denomination.Get()));
    if (!denomination.IsLocked()) return;
    for (int id = IDC_DENOMINATION_FIRST; id <= IDC_DENOMINATION_LAST; ++id) DisableItem(id);
}

int32_t OptionsDialog::GetDenominationRadioValue() {
    for (int i = 0; i < kDenominationCount; ++i)
        if (GetItemCheck(IDC_DENOMINATION_FIRST + i) == BST_CHECKED) return kDenominations[i];
    return GetDenominationSetting().Get();
}

void OptionsDialog::OnDriveSelChange(int, int code) {
    if (code == CBN_SELCHANGE) driveChanged_ = true;
}

void OptionsDialog::StoreDriveChange() {
    driveChanged_ = false;
    MoveCDFoldersToDrive(GetSelectedDrive(drives_)[0]);
    if (PromptForCD(GetAppInstance(), this)) {
        // The prompt may have moved the folders to another drive.
        SelectCDDriveInList(drives_);
        MoveCDFoldersToDrive(GetSelectedDrive(drives_)[0]);
    }
    SetItemCheck(IDC_PROMPT_CD, CheckState(GetPromptCDSetting().Get()));
}

void OptionsDialog::OnOK(int, int) {
    GetSoundEffectsSetting().Set(GetItemCheck(IDC_SOUND_EFFECTS) == BST_CHECKED);
    GetAmbientSoundsSetting().Set(GetItemCheck(IDC_AMBIENT_SOUNDS) == BST_CHECKED);
    GetIntroSequenceSetting().Set(GetItemCheck(IDC_SKIP_INTRO) == BST_CHECKED);
    GetPromptCDSetting().Set(GetItemCheck(IDC_PROMPT_CD) == BST_CHECKED);
    if (driveChanged_) StoreDriveChange();
    GetDenominationSetting().Set(GetDenominationRadioValue());
    End(IDOK);
}

void OptionsDialog::OnCancel(int, int) { End(IDCANCEL); }

#include "AnimationPropertiesDialog.h"

#include "AnimationSet.h"
#include "EditorPageIds.h"

AnimationPropertiesDialog::AnimationPropertiesDialog(AnimationSet& set)
    : Dialog(IDD_ANIMATION_PROPERTIES), set_(set) {
    BindCommand(IDOK, this, &AnimationPropertiesDialog::OnOK);
    BindCommand(IDCANCEL, this, &AnimationPropertiesDialog::OnCancel);
}

int AnimationPropertiesDialog::EntryOfCode(int32_t code) { return code == 1 ? 0 : code == 0 ? 1 : 2; }

int32_t AnimationPropertiesDialog::CodeOfEntry(int entry) { return entry == 0 ? 1 : entry == 1 ? 0 : 2; }

void AnimationPropertiesDialog::FillChoices(int id, const char* first, const char* last, int32_t code) {
    for (const char* text : {first, "Center", last}) SendItemMessage(id, CB_ADDSTRING, 0, LPARAM(text));
    SendItemMessage(id, CB_SETCURSEL, WPARAM(EntryOfCode(code)), 0);
}

int AnimationPropertiesDialog::OnCreate() {
    SetText(set_.GetName() + ": Animation Properties");
    SetItemCheck(IDC_ANIMATION_TRANSPARENT, set_.IsTransparent() ? BST_CHECKED : BST_UNCHECKED);
    int32_t horizontal = 1, vertical = 1;
    set_.GetHotspot(horizontal, vertical);
    FillChoices(IDC_ANIMATION_HORIZONTAL, "Left", "Right", horizontal);
    FillChoices(IDC_ANIMATION_VERTICAL, "Top", "Bottom", vertical);
    return 1;
}

void AnimationPropertiesDialog::OnOK(int, int) {
    set_.SetTransparent(GetItemCheck(IDC_ANIMATION_TRANSPARENT) == BST_CHECKED);
    set_.SetHotspot(CodeOfEntry(int(SendItemMessage(IDC_ANIMATION_HORIZONTAL, CB_GETCURSEL, 0, 0))),
                    CodeOfEntry(int(SendItemMessage(IDC_ANIMATION_VERTICAL, CB_GETCURSEL, 0, 0))));
    End(1);
}

void AnimationPropertiesDialog::OnCancel(int, int) { End(0); }

#include "ReelsPage.h"

#include "WizardIds.h"

ReelsPage::ReelsPage(WizardSheet* sheet) : WizardPage(IDD_WIZARD_REELS, sheet)
{
    BindCommand(IDC_WIZARD_3_REELS, this, &ReelsPage::OnReels);
    BindCommand(IDC_WIZARD_4_REELS, this, &ReelsPage::OnReels);
    BindCommand(IDC_WIZARD_1_LINE, this, &ReelsPage::OnLines);
    BindCommand(IDC_WIZARD_3_LINES, this, &ReelsPage::OnLines);
    BindCommand(IDC_WIZARD_5_LINES, this, &ReelsPage::OnLines);
}

// The buttons are set from the document on the first visit only; later visits keep what
// the user chose.
void ReelsPage::OnShow(bool first)
{
    if (!first)
        return;
    const WizardDocument& document = Document();
    CheckRadio(IDC_WIZARD_3_REELS, IDC_WIZARD_4_REELS,
               document.reelCount == 4 ? IDC_WIZARD_4_REELS : IDC_WIZARD_3_REELS);
    const int line = document.payLines == 1   ? IDC_WIZARD_1_LINE
                     : document.payLines == 3 ? IDC_WIZARD_3_LINES
                                              : IDC_WIZARD_5_LINES;
    CheckRadio(IDC_WIZARD_1_LINE, IDC_WIZARD_5_LINES, line);
    if (document.reelCount == 4)
        DisableItem(IDC_WIZARD_5_LINES);
}

void ReelsPage::OnReels(int id, int)
{
    WizardDocument& document = Document();
    if (id == IDC_WIZARD_3_REELS) {
        document.reelCount = 3;
        EnableItem(IDC_WIZARD_5_LINES);
        return;
    }
    document.reelCount = 4;
    if (document.payLines == 5) {
        CheckRadio(IDC_WIZARD_1_LINE, IDC_WIZARD_5_LINES, IDC_WIZARD_3_LINES);
        document.payLines = 3;
    }
    DisableItem(IDC_WIZARD_5_LINES);
}

void ReelsPage::OnLines(int id, int)
{
    Document().payLines = id == IDC_WIZARD_1_LINE ? 1 : id == IDC_WIZARD_3_LINES ? 3 : 5;
}

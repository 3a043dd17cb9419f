// The wizard's first page: the machine's name (which gives its file name), the award
// card's font shown on a sample of the name, the award card's background, and the body,
// arm and button set of the machine's style with a preview of the machine.
#pragma once
#include <memory>
#include <string>

#include "AwardBackdropView.h"
#include "BitmapEditView.h"
#include "WizardPage.h"

class NameStylePage : public WizardPage {
public:
    explicit NameStylePage(WizardSheet* sheet);
    ~NameStylePage() override;

    // A name that gives no machine keeps the page, with a box that says why.
    int OnWizardNext(PropertySheet* sheet, LRESULT* result) override;

    // The award card's background; there once the page has been shown.
    AwardBackdropView* Backdrop() { return backdrop_.get(); }

private:
    void OnShow(bool first) override;
    void OnName(int id, int code);
    void OnFont(int id, int code);
    void OnBody(int id, int code);
    void OnArm(int id, int code);
    void OnButtonSet(int id, int code);

    void FillFonts();
    void FillBodies();
    // Refills the arm and button-set lists from the chosen body, choosing again the entries
    // that begin like the ones chosen before.
    void FillStylesOfBody(const std::string& arm, const std::string& buttonSet);
    void ShowSample();
    // Draws the machine preview again from the body, arm and button set chosen.
    void ShowPreview();
    std::string SelectedText(int comboId);

    HFONT sampleFont_ = nullptr;
    std::unique_ptr<BitmapEditView> preview_;
    std::unique_ptr<AwardBackdropView> backdrop_;
};

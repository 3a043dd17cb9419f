// The wizard's first page: the machine's name (which gives its file name), the award
// card's font shown on a sample of the name, and the body, arm and button set of the
// machine's style.
#pragma once
#include <string>

#include "WizardPage.h"

class NameStylePage : public WizardPage {
public:
    explicit NameStylePage(WizardSheet* sheet);
    ~NameStylePage() override;

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
    std::string SelectedText(int comboId);

    HFONT sampleFont_ = nullptr;
};

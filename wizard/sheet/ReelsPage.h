// The wizard page that chooses three or four reels and one, three or five pay lines
// (five only with three reels).
#pragma once
#include "WizardPage.h"

class ReelsPage : public WizardPage {
public:
    explicit ReelsPage(WizardSheet* sheet);

private:
    void OnShow(bool first) override;
    void OnReels(int id, int code);
    void OnLines(int id, int code);
};

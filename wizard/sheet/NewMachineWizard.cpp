#include "NewMachineWizard.h"

#include <memory>

#include "AudioPage.h"
#include "CdMessage.h"
#include "GeneralSettings.h"
#include "NameStylePage.h"
#include "PayoutLevelPage.h"
#include "ReelsPage.h"
#include "SymbolsPage.h"
#include "SystemInfo.h"
#include "WizardIds.h"
#include "WizardSheet.h"

namespace {

// Loads the wizard data, showing the "CD not found" box after each failure; false when
// the user cancels it.
bool LoadWizardDataOrAsk(WizardSheet& sheet, Window* parent)
{
    const std::string message = CdMessage(GetClipArtPathSetting().Get());
    while (!sheet.document.LoadWizardData()) {
        SetCursor(LoadSystemCursor(32512));
        const int answer = MessageBoxA(parent ? parent->GetHandle() : nullptr, message.c_str(),
                                       "CD not found", MB_OKCANCEL | MB_ICONQUESTION);
        if (answer != IDOK)
            return false;
    }
    return true;
}

}  // namespace

void NewMachineWizard(Window* parent)
{
    SetCursor(LoadSystemCursor(32514));
    std::unique_ptr<WizardSheet> sheet(new WizardSheet(parent));
    if (!LoadWizardDataOrAsk(*sheet, parent))
        return;
    SetCursor(LoadSystemCursor(32514));
    // The pages in the order the wizard shows them.
    std::unique_ptr<WizardPage> nameStyles(new NameStylePage(sheet.get()));
    std::unique_ptr<WizardPage> payoutLevel(new PayoutLevelPage(sheet.get()));
    std::unique_ptr<WizardPage> reels(new ReelsPage(sheet.get()));
    std::unique_ptr<WizardPage> symbols(new SymbolsPage(sheet.get()));
    std::unique_ptr<WizardPage> audio(new AudioPage(sheet.get()));
    sheet->RunWizard();
    // Pages first, last made first, then the sheet with its document.
    audio.reset();
    symbols.reset();
    reels.reset();
    payoutLevel.reset();
    nameStyles.reset();
}

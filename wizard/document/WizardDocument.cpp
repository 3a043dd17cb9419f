#include "WizardDocument.h"

#include "AwardCardComposer.h"
#include "CdMessage.h"
#include "DialogProgress.h"
#include "GeneralSettings.h"
#include "MachineDescriptionFile.h"

bool WizardDocument::LoadWizardData()
{
    return LoadTable(WizardDataPath(GetClipArtPathSetting().Get()));
}

bool WizardDocument::WriteMachineDescription(ProgressDialog* progress)
{
    DialogProgress report(progress);
    return ::WriteMachineDescription(*this, GetClipArtPathSetting().Get(), &report);
}

bool WizardDocument::ComposeAwardCard(int32_t galleryFile, ProgressDialog* progress)
{
    DialogProgress report(progress);
    return ::ComposeAwardCard(*this, galleryFile, GetClipArtPathSetting().Get(), report);
}

#include "WizardDocument.h"

#include "AwardCardComposer.h"
#include "CdMessage.h"
#include "DialogProgress.h"
#include "GalleryInfo.h"
#include "GeneralSettings.h"
#include "MachineDescriptionFile.h"
#include "Quor2_5.h"

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

bool WizardDocument::TranslateGalleryPicks(int32_t galleryFile)
{
    GalleryInfo info;
    if (!ReadGalleryInfo(galleryFile, info))
        return false;
    ::TranslateGalleryPicks(*this, info.symbols, info.backdrops);
    return true;
}

#include "WizardDocument.h"

#include "AwardCardComposer.h"
#include "CdMessage.h"
#include "DialogProgress.h"
#include "GalleryRecord.h"
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
    uint8_t info[kGalleryUserInfoBytes] = {};
    uint32_t size = sizeof info;
    if (galleryFile == -1 || !GetAssetFileUserInfo(uint32_t(galleryFile), info, &size))
        return false;
    GalleryRecord symbols, backdrops;
    if (!ReadGalleryRecord(info, size, kSymbolGalleryRecord, symbols) ||
        !ReadGalleryRecord(info, size, kBackdropGalleryRecord, backdrops))
        return false;
    ::TranslateGalleryPicks(*this, symbols, backdrops);
    return true;
}

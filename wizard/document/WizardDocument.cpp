#include "WizardDocument.h"

#include "CdMessage.h"
#include "GeneralSettings.h"

bool WizardDocument::LoadWizardData()
{
    return LoadTable(WizardDataPath(GetClipArtPathSetting().Get()));
}

#include "CdMessage.h"

std::string WizardDataPath(const std::string& clipArtFolder)
{
    return clipArtFolder + "\\VSLWizard.dta";
}

std::string CdMessage(const std::string& clipArtFolder)
{
    std::string text =
        "The New Machine Wizard needs to have the\nVellmoor Slots CD in the CD drive.\n"
        "Place the CD in the drive and press OK to\ncontinue.  ";
    if (clipArtFolder.empty())
        return text + "If the CD drive has changed,\nselect the Options item from the\nOptions menu.";
    return text + "If the CD has changed from\nbeing " + clipArtFolder[0] +
           ": select the Options item from the\nOptions menu.";
}

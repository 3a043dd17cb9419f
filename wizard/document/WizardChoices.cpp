#include "WizardChoices.h"

WizardChoices::WizardChoices()
{
    soundGalleryIndexes.fill(-1);
    // The symbols page's default pictures of slots 0-6 in the gallery.
    symbolGalleryIndexes = {3, 7, 10, 9, 8, 0, 14};
    symbolPicks = symbolGalleryIndexes;
    // The default group is slots 2-4, the three BAR pictures: a group needs a name for
    // the award card, and the wizard's defaults must go through as they are.
    groupName = "Bars";
}

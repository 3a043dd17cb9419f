// Everything the New Machine Wizard's pages choose and its generators read: the choices
// (machine name, award card, sounds, style, symbols, and in their base the wizard data
// and the payout state) and the award card's background picked from disk.
#pragma once
#include "Bitmap.h"
#include "WizardChoices.h"

class ProgressDialog;

class WizardDocument : public WizardChoices {
public:
    // The wizard data file of the clip-art folder on the game CD.
    bool LoadWizardData();

    // Writes the machine script identifier + ".txt" into the current folder; false with
    // the error text set when it cannot. A cancel seen between the halves answers true.
    bool WriteMachineDescription(ProgressDialog* progress);

    // Has the award card drawn for the machine and saves it, inside the machine body's
    // picture, as the backdrop identifier + ".bmp". `galleryFile` is the engine's handle
    // of the open "gallery.ast". True also when the user cancelled.
    bool ComposeAwardCard(int32_t galleryFile, ProgressDialog* progress);

    // Sets the symbol and backdrop asset numbers from the pages' gallery picks, through
    // the user information of the open "gallery.ast"; false when it has none.
    bool TranslateGalleryPicks(int32_t galleryFile);

    Bitmap customAwardBackdrop;  // no pixels when none was picked
};

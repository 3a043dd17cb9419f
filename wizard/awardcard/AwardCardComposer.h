// The award card of a wizard machine: the symbols' pictures and payouts go to the
// award-card generator NERINE.DLL, and the card it draws is put into the machine body's
// picture, which is saved as the machine's backdrop identifier + ".bmp".
#pragma once
#include <cstdint>
#include <string>

#include "GenerationProgress.h"

class WizardDocument;

// The generator's progress (0 to 2000) as 20 to 60 percent of the build's step;
// `context` is the build's GenerationProgress.
void __cdecl AwardCardProgress(int32_t value, void* context);

// True when the backdrop was saved or the user cancelled; false when a picture cannot
// be loaded, the generator gives no card or the backdrop cannot be saved.
bool ComposeAwardCard(const WizardDocument& document, int32_t galleryFile, const std::string& clipArt,
                      GenerationProgress& progress);

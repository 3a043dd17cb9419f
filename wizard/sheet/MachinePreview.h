// The name page's preview of the machine: the body picture of the chosen style for the
// current reel and pay-line counts, with the first frame of the arm and the enabled
// picture of each of the four buttons drawn on it at their points, each leaving out its
// background colour (chosen from its corners).
#pragma once
#include <string>

#include "Bitmap.h"

class WizardChoices;

// False when the body picture cannot be loaded; a missing arm or button is left out.
bool ComposeMachinePreview(const WizardChoices& document, const std::string& clipArt, Bitmap& preview);

// Draws `part` on `body` at (x, y), leaving out the pixels of its corner key colour.
void DrawKeyed(const Bitmap& part, Bitmap& body, int x, int y);

// The wizard machine's script file, identifier + ".txt" in the current folder: the title,
// the description of reels and payouts, then the Art block and the code. The title is the
// name with each double quote made two single quotes.
#pragma once
#include <string>

#include "GenerationProgress.h"
#include "WizardChoices.h"

// Why the machine's name cannot make a script: it is empty or it gives no file name. Empty
// when it can.
std::string MachineNameProblem(const WizardChoices& document);

// Writes the script; false with the document's error text set when the name cannot be
// used, the file cannot be created or the reel configuration cannot be placed. A cancel
// seen after the first half leaves the file at that and answers true. `progress` may be
// null.
bool WriteMachineDescription(WizardChoices& document, const std::string& clipArt,
                             GenerationProgress* progress);

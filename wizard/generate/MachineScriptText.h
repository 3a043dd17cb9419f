// The second half of a wizard machine's script: the Art block, then the JScript code with
// the pay lights, the handlers that play the chosen sounds and record the winning lines,
// and the jackpot function of the scriptlet payouts.
#pragma once
#include <ostream>
#include <string>

#include "WizardChoices.h"

// The JScript code after the Art block.
void GenerateMachineCode(const WizardChoices& document, std::ostream& out);

// The Art block and the code; always true.
bool GenerateMachineScript(const WizardChoices& document, const std::string& clipArt, std::ostream& out);

// The texts of the wizard's start: where the wizard data lies and what the user is told
// when it cannot be read.
#pragma once
#include <string>

// The clip-art folder (the "Clip Art Path" setting) joined with "\VSLWizard.dta".
std::string WizardDataPath(const std::string& clipArtFolder);

// The text of the "CD not found" box. It names the CD's drive, the first character of the
// clip-art folder; without a folder it leaves the drive out and the text stays whole.
std::string CdMessage(const std::string& clipArtFolder);

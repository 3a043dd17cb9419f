// The Art block of a wizard machine's script: the backdrop, the symbols, the buttons, the
// chosen body's reels, coin acceptor, meters and pay lights, the sounds and the arm.
#pragma once
#include <ostream>
#include <string>

#include "StyleTables.h"
#include "WizardChoices.h"

// The machine body's layout for the document's reels and pay lines.
const BodyLayout& ChosenLayout(const WizardChoices& document);

void GenerateArtBlock(const WizardChoices& document, const std::string& clipArt, std::ostream& out);

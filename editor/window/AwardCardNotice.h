// A machine made by the New Machine Wizard carries its award card painted into its
// backdrop, which the wizard names after the script (NAME.txt, NAME.bmp); so do the
// machines of our CD, the built-in ones and Foxfire Grove, whose backdrops
// (STEM_back.bmp) the content build paints with a card drawn from their pay tables. The
// editor cannot paint a card again: the pictures, the card's background and its font are
// not kept with the machine. So when the pay table of such a machine is saved changed,
// the author is told that the card no longer matches. Needs no platform.
#pragma once
#include <string>

#include "ScriptPayTable.h"

// Whether the backdrop file (as the script names it) is the one the wizard painted the
// card into: its file name is the script's own name with ".bmp", in any case.
bool BackdropIsWizardCard(const std::string& scriptPath, const std::string& backdropFile);

// Whether the backdrop file is one of our machines' backdrops, each with its card.
bool BackdropIsOurMachinesCard(const std::string& backdropFile);

// Whether the backdrop carries a card drawn from the pay table: the wizard's or ours.
bool BackdropCarriesAwardCard(const std::string& scriptPath, const std::string& backdropFile);

// Whether the card would show something else: a line, a symbol of a line, BothWays or a
// payout differs (where the lines stand in the text does not count).
bool PayTableShowsOtherwise(const ScriptPayTable& saved, const ScriptPayTable& edited);

// The notice after the save, in a box of this caption; it names the backdrop.
inline const char kStaleAwardCardCaption[] = "Award Card Out of Date";
std::string StaleAwardCardNotice(const std::string& backdropFile);

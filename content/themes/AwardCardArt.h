// The award card on a built-in machine's cabinet: every line of its pay table, as the
// compiler reads the machine's script, with the symbols that make the line and what it pays
// for one coin and for the largest bet, laid out in as many columns as the card's place
// needs.
#pragma once
#include <windows.h>

#include <string>

#include "Canvas.h"
#include "MachineThemes.h"

namespace content {

// Draws the card of the script into `place`; throws std::runtime_error when the script's
// pay table cannot be read or the card does not fit.
void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const MachineTheme& theme);

}  // namespace content

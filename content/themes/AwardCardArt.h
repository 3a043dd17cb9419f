// The award card on a built-in machine's cabinet: every line of its pay table, as the
// compiler reads the machine's script, with the symbols that make the line and what it pays
// for one coin and for the largest bet, laid out in as many columns as the card's place
// needs.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "Canvas.h"
#include "MachineThemes.h"

namespace content {

// How a card looks: the colour of its frame and words, and a symbol's icon drawn into the
// square at (x, y) of the given size (false when the machine has no such symbol).
struct AwardCardLook {
    COLORREF trim;
    std::function<bool(Canvas&, const std::string& symbol, int x, int y, int size)> icon;
};

// Draws the card of the script into `place`; throws std::runtime_error when the script's
// pay table cannot be read or the card does not fit.
void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const AwardCardLook& look);
// The same with the theme's trim and symbols.
void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const MachineTheme& theme);

}  // namespace content

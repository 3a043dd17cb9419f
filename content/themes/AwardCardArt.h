// The award card on a built-in machine's cabinet: every line of its pay table, as the
// compiler reads the machine's script, with the symbols that make the line and what it pays
// for each bet (where the place is too small for that, for one coin and for the largest
// bet, with a line that says how the bets between pay), laid out in as many columns as the
// card's place needs. A payout that the script computes shows what the script pays.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "AwardCardLines.h"
#include "Canvas.h"
#include "MachineThemes.h"

namespace content {

// How a card looks: the colour of its frame and words, a symbol's icon drawn into the
// square at (x, y) of the given size (false when the machine has no such symbol), and the
// lines that follow the pay table's.
struct AwardCardLook {
    COLORREF trim;
    std::function<bool(Canvas&, const std::string& symbol, int x, int y, int size)> icon;
    std::vector<CardLine> notes;
};

// Looks on at each symbol's icon the card draws: the card just before and just after.
class CardIconWatch {
public:
    virtual void BeforeIcon(const Canvas& c, const RECT& r) = 0;
    virtual void AfterIcon(const Canvas& c, const RECT& r, const std::string& symbol) = 0;

protected:
    ~CardIconWatch() = default;
};

// Sets the watch of every card drawn from now on (null for none); returns the one before.
CardIconWatch* SetCardIconWatch(CardIconWatch* watch);

// Draws the card of the script into `place`; throws std::runtime_error when the script's
// pay table cannot be read or the card does not fit.
void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const AwardCardLook& look);
// The same with the theme's trim and symbols.
void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const MachineTheme& theme);

}  // namespace content

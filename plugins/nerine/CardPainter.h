// Lays the award card out and draws it: a shaded, gold-framed panel on the background,
// the machine's name and its facts, then one row per winning line with the symbols'
// pictures on the left and the amount on the right.
#pragma once
#include <string>

#include "CardCanvas.h"
#include "CardRows.h"

struct CardPictures {
    const AwardImage* symbols[6] = {};  // Sym0 to Sym4, Cherry; null when missing
};

class CardPainter {
public:
    CardPainter(CardCanvas& canvas, const std::string& fontName) : canvas_(canvas), fontName_(fontName) {}

    void DrawFrame();
    void DrawTitle(const std::string& name, const std::string& subtitle);
    // Draws row `index` of `count`.
    void DrawRow(const CardRow& row, int index, int count, const CardPictures& pictures);
    void DrawFootnote(const std::string& text);

private:
    // Text in the font at the height, with a dark shadow, aligned in the rectangle by the
    // DrawText flags.
    void Text(const std::string& text, RECT rect, int height, int weight, COLORREF colour, UINT flags);
    // The largest height up to `height` at which the text fits the width.
    int FittingHeight(const std::string& text, int height, int weight, int width);
    HFONT MakeFont(int height, int weight);
    void DrawTile(const RECT& tile, const AwardImage* picture);
    void DrawWildBadge(int left, int top, int height);

    CardCanvas& canvas_;
    std::string fontName_;
};

#include "AwardCardArt.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "AwardCardLines.h"
#include "MachineScript.h"
#include "ScriptletAmount.h"
#include "ThemeSymbolArt.h"

namespace content {

namespace {

const int kHeader = 14;  // the line that says what the amounts are for
const int kMinRow = 12, kMaxRow = 18;
const int kIconArt = 96, kIconTile = 120;  // a symbol as drawn for the reels, and with its margin

CardIconWatch* iconWatch = nullptr;

const ThemeSymbol* FindSymbol(const MachineTheme& theme, const std::string& name) {
    for (const ThemeSymbol& symbol : theme.symbols)
        if (name == symbol.name) return &symbol;
    return nullptr;
}

struct CardShape {
    int columns, rows, rowHeight;
    std::vector<int> bets;          // the bets whose amounts are shown, in coins
    std::vector<int> amountWidths;  // of each of their columns
    int AmountsWidth() const {
        int sum = 0;
        for (int w : amountWidths) sum += w;
        return sum;
    }
};

// The card's text is bold, three pixels smaller than its rows.
FontSpec RowFont(int rowHeight) { return FontSpec{"Arial", rowHeight - 3, FW_BOLD}; }

int TextWidth(const Canvas& c, const std::string& text, int rowHeight) {
    return text.empty() ? 0 : c.TextWidth(text, RowFont(rowHeight)) + 4;
}

// The widest amount of each shown bet.
std::vector<int> AmountWidths(const Canvas& c, const std::vector<CardLine>& lines, const std::vector<int>& bets,
                              int rowHeight) {
    std::vector<int> widths;
    for (int bet : bets) {
        int widest = TextWidth(c, "99", rowHeight);
        for (const CardLine& line : lines)
            if (size_t(bet) <= line.amounts.size())
                widest = std::max(widest, TextWidth(c, line.amounts[size_t(bet) - 1], rowHeight));
        widths.push_back(widest);
    }
    return widths;
}

int LineWidth(const Canvas& c, const CardLine& line, int rowHeight, int amountsWidth) {
    const int amounts = line.after.empty() ? amountsWidth : TextWidth(c, line.after, rowHeight);
    const int icons = int(line.symbols.size()) + (line.without.empty() ? 0 : 1);
    return TextWidth(c, line.words, rowHeight) + icons * rowHeight + amounts + 4;
}

// The fewest columns whose rows fit the place at a readable height, each row as tall as
// the place allows or, where its words are too wide for that, shorter.
bool FitShape(const Canvas& c, const std::vector<CardLine>& lines, const RECT& place, const std::vector<int>& bets,
              CardShape& shape) {
    const int width = place.right - place.left - 8, height = place.bottom - place.top - kHeader - 6;
    for (int columns = 1; columns <= 3; ++columns) {
        const int rows = (int(lines.size()) + columns - 1) / columns;
        for (int rowHeight = std::min(kMaxRow, height / std::max(rows, 1)); rowHeight >= kMinRow; --rowHeight) {
            shape = CardShape{columns, rows, rowHeight, bets, AmountWidths(c, lines, bets, rowHeight)};
            int widest = 0;
            for (const CardLine& line : lines)
                widest = std::max(widest, LineWidth(c, line, rowHeight, shape.AmountsWidth()));
            if (widest <= width / columns) return true;
        }
    }
    return false;
}

// The amounts of every bet where they fit; else those of 1 coin and of the largest bet,
// where every bet between pays per coin, with a line that says so.
CardShape ShapeFor(const Canvas& c, std::vector<CardLine>& lines, const RECT& place, int maxBet) {
    std::vector<int> every;
    for (int bet = 1; bet <= maxBet; ++bet) every.push_back(bet);
    CardShape shape{};
    if (FitShape(c, lines, place, every, shape)) return shape;
    if (maxBet > 2 && MiddleBetsPayPerCoin(lines)) {
        CardLine note;
        note.after = (maxBet == 3 ? std::string("2") : "2-" + std::to_string(maxBet - 1)) + " COINS PAY PER COIN";
        lines.push_back(note);
        if (FitShape(c, lines, place, {1, maxBet}, shape)) return shape;
    }
    throw std::runtime_error("the award card does not fit its place");
}

bool DrawSymbolIcon(Canvas& c, const AwardCardLook& look, const std::string& name, int x, int y, int size) {
    const RECT r{x, y, x + size, y + size};
    if (iconWatch) iconWatch->BeforeIcon(c, r);
    if (!look.icon(c, name, x, y, size)) return false;
    if (iconWatch) iconWatch->AfterIcon(c, r, name);
    return true;
}

void DrawIcon(Canvas& c, const AwardCardLook& look, const std::string& name, int x, int y, int size) {
    if (name.empty() || !DrawSymbolIcon(c, look, name, x, y, size))
        c.Fill(RECT{x + size / 4, y + size / 2 - 1, x + size - size / 4, y + size / 2 + 1}, look.trim);  // any
}

// The wild symbol that does not stand in on a line: its icon, struck out in red.
void DrawStruckOut(Canvas& c, const AwardCardLook& look, const std::string& name, int x, int y, int size) {
    DrawIcon(c, look, name, x, y, size);
    c.Line(POINT{x, y}, POINT{x + size, y + size}, RGB(230, 30, 30), 1);
}

// The bets' columns alternate between the trim and white.
COLORREF AmountInk(const AwardCardLook& look, size_t column) { return column % 2 ? RGB(255, 255, 255) : look.trim; }

void DrawLine(Canvas& c, const AwardCardLook& look, const CardLine& line, const RECT& r, const CardShape& shape) {
    const int rowHeight = r.bottom - r.top, h = rowHeight - 1;
    const FontSpec font = RowFont(rowHeight);
    int x = r.left;
    if (!line.words.empty()) {
        const int w = TextWidth(c, line.words, rowHeight);
        c.Text(line.words, RECT{x, r.top, x + w, r.bottom}, font, look.trim, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        x += w;
    }
    for (const std::string& symbol : line.symbols) {
        DrawIcon(c, look, symbol, x, r.top, h);
        x += rowHeight;
    }
    if (!line.without.empty()) {
        DrawStruckOut(c, look, line.without, x, r.top, h);
        x += rowHeight;
    }
    if (!line.after.empty()) {
        c.Text(line.after, RECT{x + 2, r.top, r.right, r.bottom}, font, RGB(255, 255, 255),
               DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    const UINT right = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    int left = r.right - shape.AmountsWidth();
    for (size_t i = 0; i < shape.bets.size(); ++i) {
        const size_t bet = size_t(shape.bets[i]);
        const int w = shape.amountWidths[i];
        if (bet <= line.amounts.size())
            c.Text(line.amounts[bet - 1], RECT{left, r.top, left + w - 2, r.bottom}, font, AmountInk(look, i), right);
        left += w;
    }
}

// Over each column: what the amounts are, coins won for each bet shown.
void DrawHeader(Canvas& c, const AwardCardLook& look, const RECT& r, const CardShape& shape) {
    const FontSpec font{"Arial", 11, FW_BOLD};
    c.Text("COINS BET", r, font, look.trim, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    int left = r.right - shape.AmountsWidth();
    for (size_t i = 0; i < shape.bets.size(); ++i) {
        const int w = shape.amountWidths[i];
        c.Text(std::to_string(shape.bets[i]), RECT{left, r.top, left + w - 2, r.bottom}, font, AmountInk(look, i),
               DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        left += w;
    }
}

}  // namespace

CardIconWatch* SetCardIconWatch(CardIconWatch* watch) {
    CardIconWatch* previous = iconWatch;
    iconWatch = watch;
    return previous;
}

void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const AwardCardLook& look) {
    MachineScript script;
    script.Compile(scriptPath, nullptr, nullptr);
    const ScriptPayTable& table = script.GetPayouts();
    if (table.lines.empty()) throw std::runtime_error("no pay table in " + scriptPath);
    std::vector<std::string> symbols;
    for (int32_t symbol = 0; symbol < script.GetSymbolCount(); ++symbol) symbols.push_back(script.GetSymbol(symbol));
    const std::string code = script.GetScriptCode();
    const int maxBet = script.GetMaxBet();
    const auto scripted = [&code, maxBet](const std::string& expression, int coins) {
        return ScriptletAmount(code, expression, coins, maxBet);
    };
    CardShape shape{};
    std::vector<CardLine> lines;
    try {
        lines = AwardCardLines(table, symbols, script.GetReelCount(), maxBet, scripted);
        lines.insert(lines.end(), look.notes.begin(), look.notes.end());
        shape = ShapeFor(c, lines, place, maxBet);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(std::string(e.what()) + ": " + scriptPath);
    }

    c.Fill(place, look.trim);
    c.Fill(RECT{place.left + 2, place.top + 2, place.right - 2, place.bottom - 2}, RGB(12, 12, 20));
    const int columnWidth = (place.right - place.left - 8) / shape.columns;
    for (int column = 0; column < shape.columns; ++column) {
        const int left = place.left + 4 + column * columnWidth;
        DrawHeader(c, look, RECT{left + 2, place.top + 3, left + columnWidth - 4, place.top + 3 + kHeader}, shape);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const int column = int(i) / shape.rows, row = int(i) % shape.rows;
        const int left = place.left + 4 + column * columnWidth, top = place.top + 4 + kHeader + row * shape.rowHeight;
        DrawLine(c, look, lines[i], RECT{left + 2, top, left + columnWidth - 4, top + shape.rowHeight}, shape);
    }
}

void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const MachineTheme& theme) {
    AwardCardLook look{theme.trim, [&theme](Canvas& card, const std::string& name, int x, int y, int size) {
                           const ThemeSymbol* symbol = FindSymbol(theme, name);
                           if (!symbol) return false;
                           // Drawn as on the reels and made small within a margin of the reel
                           // face, so that it keeps its shape and stands apart from the card.
                           Canvas art(kIconArt, kIconArt, theme.reelFace), icon(kIconTile, kIconTile, theme.reelFace);
                           DrawThemeSymbol(art, *symbol);
                           const int margin = (kIconTile - kIconArt) / 2;
                           BitBlt(icon.Dc(), margin, margin, kIconArt, kIconArt, art.Dc(), 0, 0, SRCCOPY);
                           SetStretchBltMode(card.Dc(), HALFTONE);
                           StretchBlt(card.Dc(), x, y, size, size, icon.Dc(), 0, 0, kIconTile, kIconTile, SRCCOPY);
                           return true;
                       }};
    if (theme.note.symbol) {
        CardLine note;
        note.symbols = {theme.note.symbol};
        note.after = theme.note.text;
        look.notes.push_back(note);
    }
    DrawAwardCard(c, place, scriptPath, look);
}

}  // namespace content

#include "AwardCardArt.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "AwardCardLines.h"
#include "MachineScript.h"
#include "ThemeSymbolArt.h"

namespace content {

namespace {

const int kHeader = 14;  // the line that says what the amounts are for
const int kMinRow = 12, kMaxRow = 18;

const ThemeSymbol* FindSymbol(const MachineTheme& theme, const std::string& name) {
    for (const ThemeSymbol& symbol : theme.symbols)
        if (name == symbol.name) return &symbol;
    return nullptr;
}

struct CardShape {
    int columns, rows, rowHeight;
    int amountWidth;  // of each of the two amount columns
};

// The card's text is bold, three pixels smaller than its rows.
FontSpec RowFont(int rowHeight) { return FontSpec{"Arial", rowHeight - 3, FW_BOLD}; }

int TextWidth(const Canvas& c, const std::string& text, int rowHeight) {
    return text.empty() ? 0 : c.TextWidth(text, RowFont(rowHeight)) + 4;
}

int AmountWidth(const Canvas& c, const std::vector<CardLine>& lines, int rowHeight) {
    int widest = TextWidth(c, "99", rowHeight);
    for (const CardLine& line : lines)
        widest = std::max({widest, TextWidth(c, line.single, rowHeight), TextWidth(c, line.most, rowHeight)});
    return widest;
}

int LineWidth(const Canvas& c, const CardLine& line, int rowHeight, int amountWidth) {
    const int amounts = line.after.empty() ? 2 * amountWidth : TextWidth(c, line.after, rowHeight);
    const int icons = int(line.symbols.size()) + (line.without.empty() ? 0 : 1);
    return TextWidth(c, line.words, rowHeight) + icons * rowHeight + amounts + 4;
}

// The fewest columns whose rows fit the place at a readable height, each row as tall as
// the place allows or, where its words are too wide for that, shorter.
CardShape ShapeFor(const Canvas& c, const std::vector<CardLine>& lines, const RECT& place) {
    const int width = place.right - place.left - 8, height = place.bottom - place.top - kHeader - 6;
    for (int columns = 1; columns <= 3; ++columns) {
        const int rows = (int(lines.size()) + columns - 1) / columns;
        for (int rowHeight = std::min(kMaxRow, height / std::max(rows, 1)); rowHeight >= kMinRow; --rowHeight) {
            const int amountWidth = AmountWidth(c, lines, rowHeight);
            int widest = 0;
            for (const CardLine& line : lines) widest = std::max(widest, LineWidth(c, line, rowHeight, amountWidth));
            if (widest <= width / columns) return CardShape{columns, rows, rowHeight, amountWidth};
        }
    }
    throw std::runtime_error("the award card does not fit its place");
}

void DrawIcon(Canvas& c, const AwardCardLook& look, const std::string& name, int x, int y, int size) {
    if (name.empty() || !look.icon(c, name, x, y, size))
        c.Fill(RECT{x + size / 4, y + size / 2 - 1, x + size - size / 4, y + size / 2 + 1}, look.trim);  // any
}

// The wild symbol that does not stand in on a line: its icon, struck out in red.
void DrawStruckOut(Canvas& c, const AwardCardLook& look, const std::string& name, int x, int y, int size) {
    DrawIcon(c, look, name, x, y, size);
    c.Line(POINT{x, y}, POINT{x + size, y + size}, RGB(230, 30, 30), 1);
}

void DrawLine(Canvas& c, const AwardCardLook& look, const CardLine& line, const RECT& r, int amountWidth) {
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
    c.Text(line.single, RECT{r.right - 2 * amountWidth, r.top, r.right - amountWidth - 2, r.bottom}, font, look.trim,
           right);
    c.Text(line.most, RECT{r.right - amountWidth, r.top, r.right - 2, r.bottom}, font, RGB(255, 255, 255), right);
}

// Over each column: what the amounts are, coins won for a bet of one coin and of the most.
void DrawHeader(Canvas& c, COLORREF trim, const RECT& r, int maxBet, int amountWidth) {
    const FontSpec font{"Arial", 11, FW_BOLD};
    const UINT right = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    c.Text("COINS BET", r, font, trim, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    c.Text("1", RECT{r.right - 2 * amountWidth, r.top, r.right - amountWidth - 2, r.bottom}, font, trim, right);
    c.Text(std::to_string(maxBet), RECT{r.right - amountWidth, r.top, r.right - 2, r.bottom}, font,
           RGB(255, 255, 255), right);
}

}  // namespace

void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const AwardCardLook& look) {
    MachineScript script;
    script.Compile(scriptPath, nullptr, nullptr);
    const ScriptPayTable& table = script.GetPayouts();
    if (table.lines.empty()) throw std::runtime_error("no pay table in " + scriptPath);
    std::vector<std::string> symbols;
    for (int32_t symbol = 0; symbol < script.GetSymbolCount(); ++symbol) symbols.push_back(script.GetSymbol(symbol));
    const std::vector<CardLine> lines = AwardCardLines(table, symbols, script.GetReelCount(), script.GetMaxBet());
    CardShape shape{};
    try {
        shape = ShapeFor(c, lines, place);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(std::string(e.what()) + ": " + scriptPath);
    }

    c.Fill(place, look.trim);
    c.Fill(RECT{place.left + 2, place.top + 2, place.right - 2, place.bottom - 2}, RGB(12, 12, 20));
    const int columnWidth = (place.right - place.left - 8) / shape.columns;
    for (int column = 0; column < shape.columns; ++column) {
        const int left = place.left + 4 + column * columnWidth;
        DrawHeader(c, look.trim, RECT{left + 2, place.top + 3, left + columnWidth - 4, place.top + 3 + kHeader},
                   script.GetMaxBet(), shape.amountWidth);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const int column = int(i) / shape.rows, row = int(i) % shape.rows;
        const int left = place.left + 4 + column * columnWidth, top = place.top + 4 + kHeader + row * shape.rowHeight;
        DrawLine(c, look, lines[i], RECT{left + 2, top, left + columnWidth - 4, top + shape.rowHeight},
                 shape.amountWidth);
    }
}

void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const MachineTheme& theme) {
    const AwardCardLook look{theme.trim, [&theme](Canvas& card, const std::string& name, int x, int y, int size) {
                                 const ThemeSymbol* symbol = FindSymbol(theme, name);
                                 if (!symbol) return false;
                                 Canvas icon(size, size, theme.reelFace);
                                 DrawThemeSymbol(icon, *symbol);
                                 BitBlt(card.Dc(), x, y, size, size, icon.Dc(), 0, 0, SRCCOPY);
                                 return true;
                             }};
    DrawAwardCard(c, place, scriptPath, look);
}

}  // namespace content

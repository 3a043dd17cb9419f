#include "AwardCardArt.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "MachineScript.h"
#include "ThemeSymbolArt.h"

namespace content {

namespace {

const int kHeader = 14;  // the line that says what the amounts are for
const int kMinRow = 12, kMaxRow = 18;

// One line of the card: the symbols shown left to right, the words before them ("ANY 4"),
// and the amounts for one coin and for the largest bet ("JACKPOT" for a scripted payout).
struct CardLine {
    std::string words;
    std::vector<std::string> symbols;
    std::string single, most;
};

std::string AmountText(const ScriptPayTable::Payout& payout) {
    return payout.type == 0 ? std::to_string(payout.amount) : std::string("JACKPOT");
}

bool SameSymbols(const std::vector<ScriptPayTable::PatternItem>& items) {
    for (const auto& item : items)
        if (item.kind != 0 || item.symbols != items[0].symbols) return false;
    return !items.empty() && !items[0].symbols.empty();
}

// A counted line and a line of one symbol on many reels name the count; a line of the same
// few symbols on every reel shows them once as a mix; any other line shows its reels.
CardLine LineOf(const ScriptPayTable::PayoutLine& line, int reels, int maxBet) {
    CardLine card;
    const auto& items = line.items;
    if (!items.empty() && items[0].kind == 1) {
        const auto counted = std::count_if(items.begin(), items.end(), [](const auto& i) { return i.kind == 1; });
        card.words = "ANY " + std::to_string(counted);
        card.symbols = {items[0].symbols.empty() ? std::string() : items[0].symbols[0]};
    } else if (SameSymbols(items) && items[0].symbols.size() > 1) {
        card.words = "MIX";
        card.symbols = items[0].symbols;
    } else if (SameSymbols(items) && reels > 5) {
        card.words = "ALL " + std::to_string(reels);
        card.symbols = items[0].symbols;
    } else {
        for (const auto& item : items) card.symbols.push_back(item.symbols.empty() ? std::string() : item.symbols[0]);
    }
    if (!line.payouts.empty()) {
        card.single = AmountText(line.payouts.front());
        card.most = AmountText(line.payouts[size_t(std::clamp(maxBet, 1, int(line.payouts.size())) - 1)]);
    }
    return card;
}

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
    return TextWidth(c, line.words, rowHeight) + int(line.symbols.size()) * rowHeight + 2 * amountWidth + 4;
}

// The fewest columns whose rows fit the place at a readable height.
CardShape ShapeFor(const Canvas& c, const std::vector<CardLine>& lines, const RECT& place) {
    const int width = place.right - place.left - 8, height = place.bottom - place.top - kHeader - 6;
    for (int columns = 1; columns <= 3; ++columns) {
        const int rows = (int(lines.size()) + columns - 1) / columns;
        const int rowHeight = std::min(kMaxRow, height / std::max(rows, 1));
        if (rowHeight < kMinRow) continue;
        const int amountWidth = AmountWidth(c, lines, rowHeight);
        int widest = 0;
        for (const CardLine& line : lines) widest = std::max(widest, LineWidth(c, line, rowHeight, amountWidth));
        if (widest <= width / columns) return CardShape{columns, rows, rowHeight, amountWidth};
    }
    throw std::runtime_error("the award card does not fit its place");
}

void DrawIcon(Canvas& c, const MachineTheme& theme, const std::string& name, int x, int y, int size) {
    const ThemeSymbol* symbol = FindSymbol(theme, name);
    if (!symbol) {
        c.Fill(RECT{x + size / 4, y + size / 2 - 1, x + size - size / 4, y + size / 2 + 1}, theme.trim);  // any
        return;
    }
    Canvas icon(size, size, theme.reelFace);
    DrawThemeSymbol(icon, *symbol);
    BitBlt(c.Dc(), x, y, size, size, icon.Dc(), 0, 0, SRCCOPY);
}

void DrawLine(Canvas& c, const MachineTheme& theme, const CardLine& line, const RECT& r, int amountWidth) {
    const int rowHeight = r.bottom - r.top, h = rowHeight - 1;
    const FontSpec font = RowFont(rowHeight);
    int x = r.left;
    if (!line.words.empty()) {
        const int w = TextWidth(c, line.words, rowHeight);
        c.Text(line.words, RECT{x, r.top, x + w, r.bottom}, font, theme.trim, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        x += w;
    }
    for (const std::string& symbol : line.symbols) {
        DrawIcon(c, theme, symbol, x, r.top, h);
        x += rowHeight;
    }
    const UINT right = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    c.Text(line.single, RECT{r.right - 2 * amountWidth, r.top, r.right - amountWidth - 2, r.bottom}, font, theme.trim,
           right);
    c.Text(line.most, RECT{r.right - amountWidth, r.top, r.right - 2, r.bottom}, font, RGB(255, 255, 255), right);
}

// Over each column: what the amounts are, coins won for a bet of one coin and of the most.
void DrawHeader(Canvas& c, const MachineTheme& theme, const RECT& r, int maxBet, int amountWidth) {
    const FontSpec font{"Arial", 11, FW_BOLD};
    const UINT right = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    c.Text("COINS BET", r, font, theme.trim, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    c.Text("1", RECT{r.right - 2 * amountWidth, r.top, r.right - amountWidth - 2, r.bottom}, font, theme.trim, right);
    c.Text(std::to_string(maxBet), RECT{r.right - amountWidth, r.top, r.right - 2, r.bottom}, font,
           RGB(255, 255, 255), right);
}

}  // namespace

void DrawAwardCard(Canvas& c, const RECT& place, const std::string& scriptPath, const MachineTheme& theme) {
    MachineScript script;
    script.Compile(scriptPath, nullptr, nullptr);
    const ScriptPayTable& table = script.GetPayouts();
    if (table.lines.empty()) throw std::runtime_error("no pay table in " + scriptPath);
    std::vector<CardLine> lines;
    for (const auto& line : table.lines) lines.push_back(LineOf(line, script.GetReelCount(), script.GetMaxBet()));
    const CardShape shape = ShapeFor(c, lines, place);

    c.Fill(place, theme.trim);
    c.Fill(RECT{place.left + 2, place.top + 2, place.right - 2, place.bottom - 2}, RGB(12, 12, 20));
    const int columnWidth = (place.right - place.left - 8) / shape.columns;
    for (int column = 0; column < shape.columns; ++column) {
        const int left = place.left + 4 + column * columnWidth;
        DrawHeader(c, theme, RECT{left + 2, place.top + 3, left + columnWidth - 4, place.top + 3 + kHeader},
                   script.GetMaxBet(), shape.amountWidth);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const int column = int(i) / shape.rows, row = int(i) % shape.rows;
        const int left = place.left + 4 + column * columnWidth, top = place.top + 4 + kHeader + row * shape.rowHeight;
        DrawLine(c, theme, lines[i], RECT{left + 2, top, left + columnWidth - 4, top + shape.rowHeight},
                 shape.amountWidth);
    }
}

}  // namespace content

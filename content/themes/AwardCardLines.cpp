#include "AwardCardLines.h"

#include <algorithm>

namespace content {

namespace {

// A payout its script computes from the progressive meter pays the jackpot.
std::string AmountText(const ScriptPayTable::Payout& payout) {
    if (payout.type == 0) return std::to_string(payout.amount);
    return payout.scriptlet.find("machine.Progressive") != std::string::npos ? "JACKPOT" : "BONUS";
}

bool SameSymbols(const std::vector<ScriptPayTable::PatternItem>& items) {
    for (const auto& item : items)
        if (item.kind != 0 || item.symbols != items[0].symbols) return false;
    return !items.empty() && !items[0].symbols.empty();
}

using Item = ScriptPayTable::PatternItem;

// An item of the form "any symbol but these" as the symbols it takes; "any symbol" stays.
Item Taken(const Item& item, const std::vector<std::string>& symbols) {
    if (item.kind != 2 || item.symbols.empty()) return item;
    Item taken;
    for (const std::string& symbol : symbols)
        if (std::find(item.symbols.begin(), item.symbols.end(), symbol) == item.symbols.end())
            taken.symbols.push_back(symbol);
    return taken;
}

// The matcher lets the wild stand in on a reel of one of the symbols or of a count; on a
// reel of "any symbol but these" it is a symbol like any other.
bool WildStandsIn(const Item& item, const std::string& wild) {
    return item.kind != 2 || std::find(item.symbols.begin(), item.symbols.end(), wild) == item.symbols.end();
}

// A counted line and a line of one symbol on many reels name the count; a line of the same
// few symbols on every reel shows them once as a mix; any other line shows its reels.
CardLine LineOf(const ScriptPayTable::PayoutLine& line, const std::vector<std::string>& symbols, int reels,
                int maxBet) {
    CardLine card;
    std::vector<Item> items;
    for (const Item& item : line.items) items.push_back(Taken(item, symbols));
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

}  // namespace

std::vector<CardLine> AwardCardLines(const ScriptPayTable& table, const std::vector<std::string>& symbols, int reels,
                                     int maxBet) {
    std::vector<CardLine> lines;
    for (const auto& line : table.lines) {
        lines.push_back(LineOf(line, symbols, reels, maxBet));
        const auto standsIn = [&table](const Item& item) { return WildStandsIn(item, table.joker); };
        if (!table.joker.empty() && std::none_of(line.items.begin(), line.items.end(), standsIn))
            lines.back().without = table.joker;
    }
    // The wild symbol stands in for every other one on every line that does not strike it
    // out: the card says so.
    if (!table.joker.empty()) {
        CardLine wild;
        wild.symbols = {table.joker};
        wild.after = "IS WILD";
        lines.push_back(wild);
    }
    return lines;
}

}  // namespace content

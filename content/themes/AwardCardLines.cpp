#include "AwardCardLines.h"

#include <algorithm>

namespace content {

namespace {

// A payout its script computes from the progressive meter pays the jackpot; any other that
// it computes pays what the script makes of the bet.
std::string AmountText(const ScriptPayTable::Payout& payout, int coins, const ScriptedAmount& scripted) {
    if (payout.type == 0) return std::to_string(payout.amount);
    if (payout.scriptlet.find("machine.Progressive") != std::string::npos) return "JACKPOT";
    return std::to_string(scripted(payout.scriptlet, coins));
}

bool IsNumber(const std::string& text) {
    return !text.empty() && text.size() < 10 && text.find_first_not_of("0123456789") == std::string::npos;
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
                int maxBet, const ScriptedAmount& scripted) {
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
    for (int coins = 1; coins <= std::min(maxBet, int(line.payouts.size())); ++coins)
        card.amounts.push_back(AmountText(line.payouts[size_t(coins) - 1], coins, scripted));
    return card;
}

}  // namespace

std::vector<CardLine> AwardCardLines(const ScriptPayTable& table, const std::vector<std::string>& symbols, int reels,
                                     int maxBet, const ScriptedAmount& scripted) {
    std::vector<CardLine> lines;
    for (const auto& line : table.lines) {
        lines.push_back(LineOf(line, symbols, reels, maxBet, scripted));
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

bool MiddleBetsPayPerCoin(const std::vector<CardLine>& lines) {
    for (const CardLine& line : lines) {
        if (line.amounts.size() < 3) continue;
        for (size_t coins = 2; coins < line.amounts.size(); ++coins)
            if (!IsNumber(line.amounts[0]) || line.amounts[coins - 1] != std::to_string(coins * std::stoul(line.amounts[0])))
                return false;
    }
    return true;
}

}  // namespace content

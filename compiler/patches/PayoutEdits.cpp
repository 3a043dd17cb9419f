// SetPayouts: the pay table's lines take the edited lines, and each difference is queued
// as a patch of the part of the line that the script writes for it.
#include <stdexcept>

#include "MachineDescription.h"

namespace {

using Line = ScriptPayTable::PayoutLine;
using Item = ScriptPayTable::PatternItem;
using Payout = ScriptPayTable::Payout;

bool SameItem(const Item& a, const Item& b) { return a.kind == b.kind && a.symbols == b.symbols; }

bool SamePayout(const Payout& a, const Payout& b) {
    return a.type == b.type && a.scriptlet == b.scriptlet && a.amount == b.amount;
}

template <class T>
bool SameLists(const std::vector<T>& a, const std::vector<T>& b,
               bool (*same)(const T&, const T&)) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i])) return false;
    return true;
}

bool SameItems(const std::vector<Item>& a, const std::vector<Item>& b) {
    return SameLists(a, b, SameItem);
}

bool SamePayouts(const std::vector<Payout>& a, const std::vector<Payout>& b) {
    return SameLists(a, b, SamePayout);
}

bool SameLine(const Line& a, const Line& b) {
    return a.kind == b.kind && SameItems(a.items, b.items) && SamePayouts(a.payouts, b.payouts);
}

// Copies element by element when the lengths agree, so that patches that print single
// elements keep valid fields.
template <class T>
void AssignInPlace(std::vector<T>& to, const std::vector<T>& from) {
    if (to.size() != from.size()) {
        to = from;
        return;
    }
    for (size_t i = 0; i < to.size(); ++i) to[i] = from[i];
}

// Whether the script can write the pattern: counted items only at the start of a pattern
// written as a whole, not read both ways, all of one symbol and followed by any symbol;
// every other item has a symbol to list or is any but its symbols.
bool PatternIsWritable(const Line& line, bool whole) {
    size_t counted = 0;
    while (counted < line.items.size() && line.items[counted].kind == 1) ++counted;
    if (counted > 0) {
        if (!whole || line.kind == 1 || line.items[0].symbols.size() != 1) return false;
        for (size_t i = 0; i < line.items.size(); ++i) {
            const Item& item = line.items[i];
            if (i < counted ? item.symbols != line.items[0].symbols
                            : item.kind != 2 || !item.symbols.empty())
                return false;
        }
        return true;
    }
    for (const Item& item : line.items)
        if (item.kind == 1 || (item.kind == 0 && item.symbols.empty())) return false;
    return true;
}

void CheckLineShape(size_t index, const Line& line, const Line& given,
                    const PayoutLineSource& source) {
    const std::string name = "Pay line " + std::to_string(index);
    if (!source.wholePatternFlag && given.items.size() != line.items.size())
        throw std::invalid_argument(name + " must keep " + std::to_string(line.items.size()) +
                                    " pattern items");
    if (!source.wholePayoutFlag && given.payouts.size() != line.payouts.size())
        throw std::invalid_argument(name + " must keep " + std::to_string(line.payouts.size()) +
                                    " payouts");
    if (!PatternIsWritable(given, source.wholePatternFlag != 0))
        throw std::invalid_argument(name + " has a pattern that the script cannot write");
}

}  // namespace

void MachineDescription::SetPayouts(const ScriptPayTable& table) {
    std::vector<Line>& lines = payTable_.lines;
    if (table.lines.size() < lines.size())
        throw std::invalid_argument("The pay table has " + std::to_string(lines.size()) +
                                    " lines, the edited one " + std::to_string(table.lines.size()));
    // Every line is checked before anything changes: where items or payouts are written one
    // by one, each has its own place in the script, and no place exists for a new one.
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const Line& given = table.lines[i];
        const PayoutLineSource& source = payTable_.sources[i];
        if (source.wholeLineFlag && !SameLine(line, given)) continue;
        if (!SameLine(line, given)) CheckLineShape(i, line, given, source);
    }

    for (size_t i = 0; i < lines.size(); ++i) {
        Line& line = lines[i];
        const Line& given = table.lines[i];
        PayoutLineSource& source = payTable_.sources[i];

        if (source.wholeLineFlag && !SameLine(line, given)) {
            QueueErase(source.wholeLine);
            line.kind = given.kind;
            AssignInPlace(line.items, given.items);
            AssignInPlace(line.payouts, given.payouts);
            continue;
        }

        if (!source.wholePatternFlag) {
            if (given.kind != line.kind) {
                QueueDirection(source.direction, line);
                line.kind = given.kind;
            }
            for (size_t k = 0; k < line.items.size(); ++k) {
                if (SameItem(line.items[k], given.items[k])) continue;
                QueuePatternItem(source.items.at(k), line.items[k]);
                line.items[k] = given.items[k];
            }
        } else if (given.kind != line.kind || !SameItems(line.items, given.items)) {
            // The pattern's text holds the direction too.
            QueuePayLine(source.pattern, line);
            line.kind = given.kind;
            AssignInPlace(line.items, given.items);
        }

        if (!source.wholePayoutFlag) {
            for (size_t k = 0; k < line.payouts.size(); ++k) {
                const Payout& to = given.payouts[k];
                Payout& from = line.payouts[k];
                if (SamePayout(from, to)) continue;
                QueuePayout(source.payouts.at(k), from);
                from = to;
            }
        } else if (!SamePayouts(line.payouts, given.payouts)) {
            QueuePayoutList(source.payoutList, line.payouts);
            AssignInPlace(line.payouts, given.payouts);
        }
    }
}

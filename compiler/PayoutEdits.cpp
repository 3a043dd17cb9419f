// SetPayouts: the pay table's lines take the edited lines, and each difference is queued
// as a patch of the part of the line that the script writes for it.
#include <stdexcept>

#include "MachineDescription.h"

namespace {

using Line = ScriptPayTable::PayoutLine;
using Item = ScriptPayTable::PatternItem;
using Payout = ScriptPayTable::Payout;

bool SameItem(const Item& a, const Item& b) { return a.kind == b.kind && a.symbols == b.symbols; }

bool SameItems(const std::vector<Item>& a, const std::vector<Item>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!SameItem(a[i], b[i])) return false;
    return true;
}

bool SamePayout(const Payout& a, const Payout& b) {
    return a.type == b.type && a.scriptlet == b.scriptlet && a.amount == b.amount;
}

bool SamePayouts(const std::vector<Payout>& a, const std::vector<Payout>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!SamePayout(a[i], b[i])) return false;
    return true;
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
        if (!source.wholePatternFlag && given.items.size() != line.items.size())
            throw std::invalid_argument("Pay line " + std::to_string(i) + " must keep " +
                                        std::to_string(line.items.size()) + " pattern items");
        if (!source.wholePayoutFlag && given.payouts.size() != line.payouts.size())
            throw std::invalid_argument("Pay line " + std::to_string(i) + " must keep " +
                                        std::to_string(line.payouts.size()) + " payouts");
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
        } else if (!SameItems(line.items, given.items)) {
            QueuePayLine(source.pattern, line);
            AssignInPlace(line.items, given.items);
        }

        if (!source.wholePayoutFlag) {
            for (size_t k = 0; k < line.payouts.size(); ++k) {
                const Payout& to = given.payouts[k];
                Payout& from = line.payouts[k];
                // A scriptlet's text is its value too: an edited scriptlet must reach the
                // script even though its amount and type stay.
                if (from.type == to.type && from.amount == to.amount &&
                    (to.type != 1 || from.scriptlet == to.scriptlet))
                    continue;
                QueuePayout(source.payouts.at(k), from);
                from = to;
            }
        } else if (!SamePayouts(line.payouts, given.payouts)) {
            QueuePayoutList(source.payoutList, line.payouts);
            AssignInPlace(line.payouts, given.payouts);
        }
    }
}

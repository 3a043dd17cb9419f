#include "FixedTextPatches.h"

namespace {

std::string JoinNames(const std::vector<std::string>& names) {
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i) out += ',';
        out += names[i];
    }
    return out;
}

}  // namespace

std::string QuotedTextPatch::GetText() const { return "\"" + *field_ + "\""; }

std::string FormatPayout(const ScriptPayTable::Payout& payout) {
    if (payout.type == 1) return "\"" + payout.scriptlet + "\"";
    return std::to_string(payout.amount);
}

std::string FormatPatternItem(const ScriptPayTable::PatternItem& item) {
    switch (item.kind) {
    case 0:
        if (item.symbols.size() == 1) return item.symbols[0];
        return "[" + JoinNames(item.symbols) + "]";
    case 2:
        if (item.symbols.empty()) return "[any]";
        return "[^" + JoinNames(item.symbols) + "]";
    default:
        return std::string();
    }
}

std::string FormatPayLine(const ScriptPayTable::PayoutLine& line) {
    std::string out = line.kind == 1 ? "BothWays " : "";
    const auto& items = line.items;
    if (!items.empty() && items[0].kind == 1) {
        size_t count = 0;
        while (count < items.size() && items[count].kind == 1) ++count;
        const std::string name = items[0].symbols.empty() ? std::string() : items[0].symbols[0];
        return out + "any " + std::to_string(count) + " " + name;
    }
    // The all form cannot follow BothWays, so a line read both ways lists its items.
    bool all = !items.empty() && line.kind != 1;
    for (const auto& item : items)
        if (item.kind != 0 || item.symbols.size() != 1 || item.symbols[0] != items[0].symbols[0])
            all = false;
    if (all) return out + "all " + items[0].symbols[0];
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) out += ' ';
        out += FormatPatternItem(items[i]);
    }
    return out;
}

std::string FormatPayoutList(const std::vector<ScriptPayTable::Payout>& payouts) {
    std::string out;
    for (size_t i = 0; i < payouts.size(); ++i) {
        if (i) out += ", ";
        std::string text = FormatPayout(payouts[i]);
        if (i == 0) {
            // The first token (the opening quote or the number) stands in five columns.
            const size_t lead = payouts[i].type == 1 ? 1 : text.size();
            if (lead < 5) text.insert(0, 5 - lead, ' ');
        }
        out += text;
    }
    return out;
}

std::string PayoutPatch::GetText() const { return FormatPayout(*field_); }
std::string PatternItemPatch::GetText() const { return FormatPatternItem(*field_); }
std::string PayLinePatch::GetText() const { return FormatPayLine(*field_); }
std::string PayoutListPatch::GetText() const { return FormatPayoutList(*field_); }
std::string DirectionPatch::GetText() const { return field_->kind == 1 ? "BothWays" : ""; }

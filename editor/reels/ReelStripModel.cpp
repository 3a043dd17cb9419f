#include "ReelStripModel.h"

#include <utility>

ReelStripModel::ReelStripModel(std::vector<ReelStrip> strips) : strips_(std::move(strips)) {}

bool ReelStripModel::Contains(GridCell cell) const {
    return cell.column >= 0 && cell.column < GetReelCount() && cell.row >= 0 && cell.row < GetStopCount();
}

bool ReelStripModel::SetSymbol(GridCell cell, const std::string& symbol) {
    if (!Contains(cell) || !SymbolChangeRefusal(cell, symbol).empty()) return false;
    strips_[size_t(cell.column)][size_t(cell.row)].symbol = symbol;
    return true;
}

std::string ReelStripModel::SymbolChangeRefusal(GridCell cell, const std::string& symbol) const {
    if (!Contains(cell)) return std::string();
    const std::string& current = At(cell).symbol;
    if (current == symbol) return std::string();
    int stops = 0;
    for (const ReelStrip& strip : strips_)
        for (const StripEntry& entry : strip) stops += entry.symbol == current;
    if (stops > 1) return std::string();
    return current + " stands on no other stop: the script's Symbol statement for it, and any payout that "
                     "names it, would name no symbol of the reels.";
}

bool ReelStripModel::SetWeightText(GridCell cell, const std::string& text) {
    const int weight = ParseStopWeight(text);
    if (!Contains(cell) || weight < 1) return false;
    strips_[size_t(cell.column)][size_t(cell.row)].weight = weight;
    return true;
}

std::string ReelStripModel::StatusText(GridCell cell) const {
    if (!Contains(cell)) return std::string();
    const StripEntry& entry = At(cell);
    return "Reel " + std::to_string(cell.column + 1) + " Stop " + std::to_string(cell.row + 1) + " " + entry.symbol +
           " " + std::to_string(entry.weight);
}

StripFocus ReelStripModel::Tab(StripFocus from, bool backwards) const {
    // The weight of a cell and the symbol of the next lie on either side of one step.
    if (from.onWeight != backwards) {
        const GridCell to = StepCell(from.cell, backwards, GetStopCount(), GetReelCount());
        return StripFocus{to, !from.onWeight};
    }
    return StripFocus{from.cell, !from.onWeight};
}

int ParseStopWeight(const std::string& text) {
    size_t begin = text.find_first_not_of(' ');
    const size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos) return 0;
    long long value = 0;
    for (size_t i = begin; i <= end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9' || value > 99999999) return 0;
        value = value * 10 + (c - '0');
    }
    return int(value);
}

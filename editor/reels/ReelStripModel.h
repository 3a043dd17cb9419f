// What the Reels page edits: every reel's strip, one cell per stop of a reel holding the
// stop's symbol and weight. A weight must stay a number of at least 1 (a stop of weight 0
// never comes up, and a reel of such stops cannot spin), so a cell refuses any other text
// and keeps its weight. The page moves through the cells with Tab, two stops per cell:
// the symbol, then the weight.
#pragma once
#include <string>
#include <vector>

#include "CellStep.h"
#include "ReelStrip.h"

// Where the page's editing focus is: a cell (row = stop, column = reel) and its part.
struct StripFocus {
    GridCell cell;
    bool onWeight = false;

    bool operator==(const StripFocus& o) const { return cell == o.cell && onWeight == o.onWeight; }
};

class ReelStripModel {
public:
    ReelStripModel() = default;
    // One strip per reel, each with `stops` entries.
    explicit ReelStripModel(std::vector<ReelStrip> strips);

    int GetReelCount() const { return int(strips_.size()); }
    int GetStopCount() const { return strips_.empty() ? 0 : int(strips_[0].size()); }
    const std::vector<ReelStrip>& GetStrips() const { return strips_; }
    const StripEntry& At(GridCell cell) const { return strips_.at(size_t(cell.column)).at(size_t(cell.row)); }
    bool Contains(GridCell cell) const;

    // Stores the symbol, unless SymbolChangeRefusal refuses it; false then.
    bool SetSymbol(GridCell cell, const std::string& symbol);
    // Why the cell may not change to the symbol: its symbol stands on no other stop, and
    // the script's Symbol statement and pay table go on naming it. Empty when it may.
    std::string SymbolChangeRefusal(GridCell cell, const std::string& symbol) const;
    // Stores the weight that the text gives; false (and nothing stored) for text that is
    // not a whole number from 1 up, an emptied cell among them.
    bool SetWeightText(GridCell cell, const std::string& text);

    // "Reel 2 Stop 5 Cherry 3": reel and stop counted from 1, the symbol and the weight.
    std::string StatusText(GridCell cell) const;

    // Where Tab (or Shift+Tab) goes from the focus: symbol to weight of the same cell,
    // weight to the symbol of the next cell, and back the other way.
    StripFocus Tab(StripFocus from, bool backwards) const;

private:
    std::vector<ReelStrip> strips_;
};

// The weight that a cell's text gives, or 0 when the text is not a whole number from 1 to
// 999999999 (blanks around it allowed).
int ParseStopWeight(const std::string& text);

// The run-time pay table of a machine: its payout lines with symbol numbers in place of
// symbol names, the wild symbol and the payout mode, with the flat word-buffer form that
// the builder stores in the machine chunk and the machine screen reads back.
//
// Symbol numbers are positions in the machine's symbol-name list (its reel symbols in
// name order, from 0). A reel result is one symbol number per reel, reel 0 first: the
// symbols the reels show on the pay line being judged.
//
// The packed form, all words 32-bit, in this order:
//   line count L;
//   per line: kind; item count N; per item: item kind, symbol count K, K symbol numbers;
//             payout count P; per payout: type, then the amount (type 0) or the
//             scriptlet as a packed text (type 1; its amount is not stored);
//   wild symbol (-1 for none); payout mode.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class PayTable {
public:
    // Line kinds.
    static constexpr int32_t Plain = 0;     // read left to right only
    static constexpr int32_t BothWays = 1;  // read left to right and right to left

    // Pattern item kinds.
    static constexpr int32_t OneOf = 0;    // one of the listed symbols, or the wild
    static constexpr int32_t Counted = 1;  // a run at the start of the line: "any count"
    static constexpr int32_t AnyBut = 2;   // any symbol but the listed ones (empty: any)

    // Payout types.
    static constexpr int32_t Amount = 0;
    static constexpr int32_t Scriptlet = 1;

    // Payout modes (stored and carried; the matcher does not consult them).
    static constexpr int32_t BestMatch = 0;
    static constexpr int32_t HighestValue = 1;
    static constexpr int32_t AllMatches = 2;

    struct Payout {
        int32_t type = Amount;
        std::string scriptlet;
        int32_t amount = 0;  // coins
        bool operator==(const Payout& o) const
        {
            return type == o.type && scriptlet == o.scriptlet && amount == o.amount;
        }
    };

    struct PatternItem {
        int32_t kind = OneOf;
        std::vector<int32_t> symbols;
        bool operator==(const PatternItem& o) const { return kind == o.kind && symbols == o.symbols; }
    };

    struct PayoutLine {
        int32_t kind = Plain;
        std::vector<PatternItem> items;  // item i describes reel i
        std::vector<Payout> payouts;     // entry c-1 pays when c coins are bet
        void Clear()
        {
            std::vector<PatternItem>().swap(items);
            std::vector<Payout>().swap(payouts);
        }
        bool operator==(const PayoutLine& o) const
        {
            return kind == o.kind && items == o.items && payouts == o.payouts;
        }
    };

    // Replaces the whole table from the pay table as the script states it. `lines` is any
    // sequence of lines each with `kind`, `items` (each with `kind` and `symbols`, the
    // symbol names) and `payouts` (each with `type`, `scriptlet` and `amount`); `joker`
    // is the wild symbol's name (empty for none); `names` lists the symbol names in
    // symbol-number order. A name that is not in the list stands for no symbol at all: it
    // is left out of its item's list (so "one of" it never matches and "any but" it
    // excludes nothing), and a joker that is not in the list gives no wild symbol. Taking
    // such a name as symbol 0 instead would let a line pay on the first reel symbol and
    // make that symbol wild, though the script never named it.
    template <class ScriptLines>
    void Assign(const ScriptLines& lines, const std::string& joker, int32_t mode,
                const std::vector<std::string>& names);

    // The same from a whole script pay table: its `lines`, `joker` and `payoutMode`.
    template <class ScriptTable>
    void Assign(const ScriptTable& table, const std::vector<std::string>& names)
    {
        Assign(table.lines, table.joker, static_cast<int32_t>(table.payoutMode), names);
    }

    // Words that Pack writes.
    uint32_t GetPackedSize() const;

    // Writes the packed form at `out` and returns the word just past it. The caller
    // provides room for GetPackedSize() words.
    uint32_t* Pack(uint32_t* out) const;

    // Reads a packed table from [cursor, end) and returns the word just past it. Machine
    // files come from anywhere, so nothing is trusted: every count and length is checked
    // against the words left, every kind, type and mode against its meanings, and every
    // symbol number (and the wild) against `symbolCount`, the length of the machine's
    // symbol list. A bad buffer gives nullptr and leaves the table as it was. Scriptlet
    // payouts come back with an amount of 0, the packed form having no room for one.
    [[nodiscard]] const uint32_t* Unpack(const uint32_t* cursor, const uint32_t* end,
                                         int32_t symbolCount);

    // The payout entry coins-1 of a line; an empty amount payout of 0 when the line number
    // or the coin count is outside the table.
    Payout GetPayout(int32_t line, int32_t coins) const;

    // Whether the reel result satisfies the line's pattern read left to right. A result
    // holding a symbol number outside the symbol list matches nothing.
    bool MatchLine(const std::vector<int32_t>& result, int32_t line) const;

    // Finds the line that pays for `coins` coins. True when some line pays; `payout` and
    // `line` are written only then. A coin count below 1 pays nothing, a line with fewer
    // payout entries than `coins` does not pay, and a result holding a symbol number
    // outside the symbol list pays nothing.
    bool FindWinningLine(const std::vector<int32_t>& result, int32_t coins, Payout& payout,
                         int32_t& line) const;

    const std::vector<PayoutLine>& GetLines() const { return lines_; }
    int32_t GetLineCount() const { return static_cast<int32_t>(lines_.size()); }
    int32_t GetWild() const { return wild_; }
    int32_t GetMode() const { return mode_; }
    int32_t GetSymbolCount() const { return symbolCount_; }

    bool operator==(const PayTable& o) const
    {
        return lines_ == o.lines_ && wild_ == o.wild_ && mode_ == o.mode_ &&
               symbolCount_ == o.symbolCount_;
    }
    bool operator!=(const PayTable& o) const { return !(*this == o); }

private:
    bool IsWild(int32_t symbol) const { return wild_ >= 0 && symbol == wild_; }
    bool IsValidResult(const std::vector<int32_t>& result) const;
    bool Matches(const std::vector<int32_t>& result, const PayoutLine& line) const;

    std::vector<PayoutLine> lines_;  // in script order; the position is the line number
    int32_t wild_ = -1;
    int32_t mode_ = BestMatch;
    int32_t symbolCount_ = 0;  // length of the symbol list the numbers refer to
};

template <class ScriptLines>
void PayTable::Assign(const ScriptLines& lines, const std::string& joker, int32_t mode,
                      const std::vector<std::string>& names)
{
    std::map<std::string, int32_t> numbers;
    for (std::size_t i = 0; i < names.size(); ++i)
        numbers.emplace(names[i], static_cast<int32_t>(i));

    std::vector<PayoutLine> result;
    result.reserve(lines.size());
    for (const auto& source : lines) {
        PayoutLine line;
        line.kind = source.kind;
        line.items.reserve(source.items.size());
        for (const auto& sourceItem : source.items) {
            PatternItem item;
            item.kind = sourceItem.kind;
            for (const auto& name : sourceItem.symbols) {
                auto found = numbers.find(name);
                if (found != numbers.end())
                    item.symbols.push_back(found->second);
            }
            line.items.push_back(std::move(item));
        }
        line.payouts.reserve(source.payouts.size());
        for (const auto& sourcePayout : source.payouts) {
            Payout payout;
            payout.type = sourcePayout.type;
            payout.scriptlet = sourcePayout.scriptlet;
            payout.amount = sourcePayout.amount;
            line.payouts.push_back(std::move(payout));
        }
        result.push_back(std::move(line));
    }

    auto wild = joker.empty() ? numbers.end() : numbers.find(joker);
    lines_.swap(result);
    wild_ = wild == numbers.end() ? -1 : wild->second;
    mode_ = mode;
    symbolCount_ = static_cast<int32_t>(names.size());
}

#include "PayTable.h"

#include <algorithm>
#include <cstddef>

#include "PackedText.h"

namespace {

// A read position in a word buffer that refuses to go past its end.
class WordCursor {
public:
    WordCursor(const uint32_t* pos, const uint32_t* end) : pos_(pos), end_(end) {}

    std::size_t Left() const { return static_cast<std::size_t>(end_ - pos_); }
    const uint32_t* Position() const { return pos_; }

    bool Read(uint32_t& value)
    {
        if (pos_ >= end_)
            return false;
        value = *pos_++;
        return true;
    }
    bool Read(int32_t& value)
    {
        uint32_t word;
        if (!Read(word))
            return false;
        value = static_cast<int32_t>(word);
        return true;
    }
    // A count of records that each take at least `minWords` words: no more can fit than
    // the words left, which bounds every allocation by the buffer's size.
    bool ReadCount(uint32_t& count, std::size_t minWords)
    {
        return Read(count) && count <= Left() / minWords;
    }
    bool ReadText(std::string& text) { return UnpackText(pos_, end_, text); }

private:
    const uint32_t* pos_;
    const uint32_t* end_;
};

uint32_t* Put(uint32_t* out, int32_t value)
{
    *out++ = static_cast<uint32_t>(value);
    return out;
}

uint32_t* Put(uint32_t* out, std::size_t value)
{
    *out++ = static_cast<uint32_t>(value);
    return out;
}

// Length of the run of counted items at the start of a line.
std::size_t CountedRun(const std::vector<PayTable::PatternItem>& items)
{
    std::size_t run = 0;
    while (run < items.size() && items[run].kind == PayTable::Counted)
        ++run;
    return run;
}

bool Listed(const std::vector<int32_t>& symbols, int32_t symbol)
{
    return std::find(symbols.begin(), symbols.end(), symbol) != symbols.end();
}

}  // namespace

uint32_t PayTable::GetPackedSize() const
{
    uint32_t words = 1;
    for (const PayoutLine& line : lines_) {
        words += 3;
        for (const PatternItem& item : line.items)
            words += 2 + static_cast<uint32_t>(item.symbols.size());
        for (const Payout& payout : line.payouts)
            words += payout.type == Amount ? 2 : 1 + PackedTextWords(payout.scriptlet.size());
    }
    return words + 2;
}

uint32_t* PayTable::Pack(uint32_t* out) const
{
    out = Put(out, lines_.size());
    for (const PayoutLine& line : lines_) {
        out = Put(out, line.kind);
        out = Put(out, line.items.size());
        for (const PatternItem& item : line.items) {
            out = Put(out, item.kind);
            out = Put(out, item.symbols.size());
            for (int32_t symbol : item.symbols)
                out = Put(out, symbol);
        }
        out = Put(out, line.payouts.size());
        for (const Payout& payout : line.payouts) {
            out = Put(out, payout.type);
            if (payout.type == Amount)
                out = Put(out, payout.amount);
            else
                out = PackText(out, payout.scriptlet);
        }
    }
    out = Put(out, wild_);
    return Put(out, mode_);
}

const uint32_t* PayTable::Unpack(const uint32_t* cursor, const uint32_t* end, int32_t symbolCount)
{
    if (cursor == nullptr || end == nullptr || end < cursor || symbolCount < 0)
        return nullptr;
    WordCursor in(cursor, end);
    auto isSymbol = [symbolCount](int32_t s) { return s >= 0 && s < symbolCount; };

    // Records are appended as they are read, so memory grows only with what the buffer
    // really holds; the counts are also checked up front against the words left.
    uint32_t lineCount;
    if (!in.ReadCount(lineCount, 3))  // kind, item count, payout count
        return nullptr;
    std::vector<PayoutLine> lines;
    for (uint32_t l = 0; l < lineCount; ++l) {
        PayoutLine line;
        uint32_t itemCount;
        if (!in.Read(line.kind) || (line.kind != Plain && line.kind != BothWays) ||
            !in.ReadCount(itemCount, 2))  // item kind, symbol count
            return nullptr;
        for (uint32_t i = 0; i < itemCount; ++i) {
            PatternItem item;
            uint32_t symbolTotal;
            if (!in.Read(item.kind) || item.kind < OneOf || item.kind > AnyBut ||
                !in.ReadCount(symbolTotal, 1))
                return nullptr;
            item.symbols.resize(symbolTotal);
            for (int32_t& symbol : item.symbols)
                if (!in.Read(symbol) || !isSymbol(symbol))
                    return nullptr;
            line.items.push_back(std::move(item));
        }
        uint32_t payoutCount;
        if (!in.ReadCount(payoutCount, 2))  // type, then an amount or a length word
            return nullptr;
        for (uint32_t p = 0; p < payoutCount; ++p) {
            Payout payout;
            if (!in.Read(payout.type))
                return nullptr;
            if (payout.type == Amount) {
                if (!in.Read(payout.amount))
                    return nullptr;
            } else if (payout.type == Scriptlet) {
                if (!in.ReadText(payout.scriptlet))
                    return nullptr;
            } else {
                return nullptr;
            }
            line.payouts.push_back(std::move(payout));
        }
        lines.push_back(std::move(line));
    }
    int32_t wild, mode;
    if (!in.Read(wild) || (wild != -1 && !isSymbol(wild)) || !in.Read(mode) || mode < BestMatch ||
        mode > AllMatches)
        return nullptr;

    lines_.swap(lines);
    wild_ = wild;
    mode_ = mode;
    symbolCount_ = symbolCount;
    return in.Position();
}

PayTable::Payout PayTable::GetPayout(int32_t line, int32_t coins) const
{
    if (line < 0 || line >= GetLineCount() || coins < 1)
        return Payout();
    const std::vector<Payout>& payouts = lines_[static_cast<std::size_t>(line)].payouts;
    if (static_cast<std::size_t>(coins) > payouts.size())
        return Payout();
    return payouts[static_cast<std::size_t>(coins) - 1];
}

bool PayTable::IsValidResult(const std::vector<int32_t>& result) const
{
    for (int32_t symbol : result)
        if (symbol < 0 || symbol >= symbolCount_)
            return false;
    return true;
}

bool PayTable::Matches(const std::vector<int32_t>& result, const PayoutLine& line) const
{
    const std::vector<PatternItem>& items = line.items;
    if (!items.empty() && items[0].kind == Counted) {
        // "Any count" form: at least as many reels anywhere in the result as there are
        // counted items show the symbol, the wild standing in.
        if (items[0].symbols.empty())
            return false;  // a count of no symbol never pays
        const int32_t wanted = items[0].symbols[0];
        std::size_t shown = 0;
        for (int32_t symbol : result)
            if (symbol == wanted || IsWild(symbol))
                ++shown;
        return shown >= CountedRun(items);
    }

    // Per-reel form: item i judges reel i.
    if (items.size() > result.size())
        return false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int32_t symbol = result[i];
        switch (items[i].kind) {
        case OneOf:
            if (!IsWild(symbol) && !Listed(items[i].symbols, symbol))
                return false;
            break;
        case Counted:
            break;  // outside the leading run a counted item takes any symbol
        case AnyBut:
            if (Listed(items[i].symbols, symbol))
                return false;
            break;
        default:
            return false;
        }
    }
    return true;
}

bool PayTable::MatchLine(const std::vector<int32_t>& result, int32_t line) const
{
    if (line < 0 || line >= GetLineCount() || !IsValidResult(result))
        return false;
    return Matches(result, lines_[static_cast<std::size_t>(line)]);
}

bool PayTable::FindWinningLine(const std::vector<int32_t>& result, int32_t coins, Payout& payout,
                               int32_t& line) const
{
    if (coins < 1 || !IsValidResult(result))
        return false;
    const std::vector<int32_t> reversed(result.rbegin(), result.rend());
    const std::size_t entry = static_cast<std::size_t>(coins) - 1;

    const Payout* best = nullptr;
    int32_t bestLine = -1;
    int32_t bestAmount = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const PayoutLine& candidate = lines_[i];
        if (entry >= candidate.payouts.size())
            continue;  // no payout for this many coins: the line does not pay
        const Payout& pays = candidate.payouts[entry];
        if (Matches(result, candidate)) {
            if (pays.type == Scriptlet) {
                // The first scriptlet met left to right wins over every amount.
                payout = pays;
                line = static_cast<int32_t>(i);
                return true;
            }
            if (pays.amount > bestAmount) {
                best = &pays;
                bestAmount = pays.amount;
                bestLine = static_cast<int32_t>(i);
            }
        }
        // Read right to left the entry competes by its amount, whatever its type.
        if (candidate.kind == BothWays && Matches(reversed, candidate) && pays.amount > bestAmount) {
            best = &pays;
            bestAmount = pays.amount;
            bestLine = static_cast<int32_t>(i);
        }
    }
    if (best == nullptr)
        return false;
    payout = *best;
    line = bestLine;
    return true;
}

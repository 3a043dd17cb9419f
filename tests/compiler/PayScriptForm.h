// Helpers shared by the pay-table tests: the pay table as a script states it (symbols by
// name), a maker of random tables, and packing into a vector.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "PayTable.h"

struct ScriptItem {
    int32_t kind = PayTable::OneOf;
    std::vector<std::string> symbols;
};

struct ScriptPayout {
    int32_t type = PayTable::Amount;
    std::string scriptlet;
    int32_t amount = 0;
};

struct ScriptLine {
    int32_t kind = PayTable::Plain;
    std::vector<ScriptItem> items;
    std::vector<ScriptPayout> payouts;
};

enum class ScriptMode : int32_t { BestMatch, HighestValue, AllMatches };

struct ScriptTable {
    std::vector<ScriptLine> lines;
    std::string joker;
    ScriptMode payoutMode = ScriptMode::BestMatch;
};

inline ScriptPayout Pays(int32_t amount) { return {PayTable::Amount, "", amount}; }
inline ScriptPayout Runs(const std::string& code, int32_t amount = 0)
{
    return {PayTable::Scriptlet, code, amount};
}

// Packs a table into a vector of exactly GetPackedSize() words, checking that Pack
// writes that many.
inline std::vector<uint32_t> PackToVector(const PayTable& table)
{
    std::vector<uint32_t> words(table.GetPackedSize());
    const uint32_t* end = table.Pack(words.data());
    EXPECT_EQ(end, words.data() + words.size());
    return words;
}

// Random pay tables in the shapes the compiler produces (any-count, all and per-reel
// lines, BothWays, scriptlets, a wild) and some it does not (short and long lines,
// counted items in the middle, names that are not symbols, missing payouts).
class RandomTables {
public:
    explicit RandomTables(uint32_t seed) : rng_(seed) {}

    int Next(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Next(0, 99) < percent; }

    struct Machine {
        std::vector<std::string> names;
        int reels = 0;
        int maxBet = 0;
        std::vector<ScriptLine> lines;
        std::string joker;
        int32_t mode = 0;
        PayTable table;
    };

    Machine Make()
    {
        Machine m;
        const int symbols = Next(1, 5);
        for (int i = 0; i < symbols; ++i)
            m.names.push_back("Sym" + std::to_string(i));
        m.reels = Next(1, 5);
        m.maxBet = Next(1, 4);
        const int lines = Next(0, 8);
        for (int i = 0; i < lines; ++i)
            m.lines.push_back(MakeLine(m));
        const int joker = Next(0, 9);
        m.joker = joker < 3 ? "" : joker < 9 ? Name(m) : "Nobody";
        m.mode = Next(0, 2);
        m.table.Assign(m.lines, m.joker, m.mode, m.names);
        return m;
    }

    std::vector<int32_t> Result(const Machine& m)
    {
        std::vector<int32_t> result(static_cast<std::size_t>(m.reels));
        // Few distinct symbols per result, so that lines match often.
        const int spread = Next(0, static_cast<int>(m.names.size()) - 1);
        for (int32_t& symbol : result)
            symbol = Next(0, spread);
        return result;
    }

private:
    std::string Name(const Machine& m)
    {
        if (Chance(3))
            return "Unknown";
        return m.names[static_cast<std::size_t>(Next(0, static_cast<int>(m.names.size()) - 1))];
    }

    std::string Text()
    {
        std::string text(static_cast<std::size_t>(Next(0, 9)), '\0');
        for (char& c : text)
            c = static_cast<char>(Next(0, 255));
        return text;
    }

    ScriptLine MakeLine(const Machine& m)
    {
        ScriptLine line;
        const int form = Next(0, 9);
        if (form < 3) {  // any-count: counted items, then "any" up to the reel count
            const int count = Next(1, m.reels);
            const std::string symbol = Name(m);
            for (int r = 0; r < m.reels; ++r)
                line.items.push_back(r < count ? ScriptItem{PayTable::Counted, {symbol}}
                                               : ScriptItem{PayTable::AnyBut, {}});
            if (Chance(5))
                line.items[0].symbols.clear();
        } else if (form < 5) {  // all
            const std::string symbol = Name(m);
            for (int r = 0; r < m.reels; ++r)
                line.items.push_back({PayTable::OneOf, {symbol}});
        } else {  // per reel
            line.kind = Chance(50) ? PayTable::BothWays : PayTable::Plain;
            int items = m.reels;
            if (Chance(10))
                items = Next(0, m.reels + 1);
            for (int r = 0; r < items; ++r) {
                ScriptItem item;
                const int kind = Next(0, 9);
                item.kind = kind < 6 ? PayTable::OneOf : kind < 9 ? PayTable::AnyBut : PayTable::Counted;
                const int listed = item.kind == PayTable::OneOf ? Next(0, 3) : Next(0, 2);
                for (int s = 0; s < listed; ++s)
                    item.symbols.push_back(Name(m));
                line.items.push_back(item);
            }
        }
        int payouts = m.maxBet;
        if (Chance(5))
            payouts = Next(0, m.maxBet);
        for (int c = 0; c < payouts; ++c)
            line.payouts.push_back(Chance(15) ? Runs(Text(), Next(-2, 20)) : Pays(Next(-2, 20)));
        return line;
    }

    std::mt19937 rng_;
};

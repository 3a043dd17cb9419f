// The pay-line matcher and the search for the winning line, with a plain reference
// matcher compared over random tables and reel results.
#include <gtest/gtest.h>

#include <algorithm>

#include "PayScriptForm.h"
#include "PayTable.h"

namespace {

const std::vector<std::string> kNames = {"Bar", "Cherry", "Lemon", "Wild"};
const int32_t Bar = 0, Cherry = 1, Lemon = 2, Wild = 3;

PayTable Table(const std::vector<ScriptLine>& lines, const std::string& joker = "")
{
    PayTable table;
    table.Assign(lines, joker, PayTable::BestMatch, kNames);
    return table;
}

struct Win {
    bool found = false;
    int32_t line = -1;
    PayTable::Payout payout;
};

Win Find(const PayTable& table, const std::vector<int32_t>& result, int32_t coins = 1)
{
    Win win;
    win.found = table.FindWinningLine(result, coins, win.payout, win.line);
    return win;
}

ScriptLine CherryCherryAny(int32_t kind, ScriptPayout payout = Pays(10))
{
    return {kind, {{PayTable::OneOf, {"Cherry"}}, {PayTable::OneOf, {"Cherry"}}, {PayTable::AnyBut, {}}},
            {payout}};
}

TEST(PayTableMatch, CountedRunCountsTheSymbolAnywhereWithTheWild)
{
    // "any 2 Cherry" on three reels: counted, counted, any.
    const std::vector<ScriptLine> lines = {
        {PayTable::Plain,
         {{PayTable::Counted, {"Cherry"}}, {PayTable::Counted, {"Cherry"}}, {PayTable::AnyBut, {}}},
         {Pays(2)}}};
    const PayTable table = Table(lines, "Wild");
    EXPECT_TRUE(table.MatchLine({Cherry, Bar, Cherry}, 0));
    EXPECT_TRUE(table.MatchLine({Bar, Cherry, Cherry}, 0));
    EXPECT_FALSE(table.MatchLine({Cherry, Bar, Bar}, 0));
    EXPECT_TRUE(table.MatchLine({Cherry, Bar, Wild}, 0));
    EXPECT_TRUE(table.MatchLine({Wild, Lemon, Wild}, 0));
    EXPECT_FALSE(Table(lines).MatchLine({Cherry, Bar, Wild}, 0));  // no wild: Wild is a plain symbol

    // A counted run without a symbol never pays (and reads nothing that isn't there).
    std::vector<ScriptLine> empty = lines;
    empty[0].items[0].symbols.clear();
    EXPECT_FALSE(Table(empty, "Wild").MatchLine({Wild, Wild, Wild}, 0));
}

TEST(PayTableMatch, ItemKindsAndTheWild)
{
    const std::vector<ScriptLine> lines = {
        {PayTable::Plain, {{PayTable::OneOf, {"Cherry", "Lemon"}}, {PayTable::AnyBut, {"Bar"}}}, {Pays(1)}},
        {PayTable::Plain, {{PayTable::AnyBut, {"Wild"}}, {PayTable::OneOf, {}}}, {Pays(1)}},
        {PayTable::Plain, {{PayTable::AnyBut, {}}, {PayTable::Counted, {"Bar"}}}, {Pays(1)}},
    };
    const PayTable table = Table(lines, "Wild");
    EXPECT_TRUE(table.MatchLine({Lemon, Cherry}, 0));
    EXPECT_TRUE(table.MatchLine({Wild, Wild}, 0));    // the wild stands in for "one of"
    EXPECT_FALSE(table.MatchLine({Bar, Cherry}, 0));
    EXPECT_FALSE(table.MatchLine({Cherry, Bar}, 0));  // "any but" gives the wild no exemption...
    EXPECT_FALSE(table.MatchLine({Wild, Wild}, 1));   // ...a listed wild fails
    EXPECT_TRUE(table.MatchLine({Bar, Wild}, 1));     // an empty "one of" takes only the wild
    EXPECT_FALSE(table.MatchLine({Bar, Bar}, 1));
    for (int32_t s = 0; s < 4; ++s)                   // counted outside the leading run: anything
        EXPECT_TRUE(table.MatchLine({s, s}, 2));

    // With no wild, no symbol number is treated as wild.
    const PayTable plain = Table(lines);
    for (int32_t s = 0; s < 4; ++s)
        EXPECT_FALSE(plain.MatchLine({s, s}, 1)) << s;
}

TEST(PayTableMatch, BothWaysReadsRightToLeftToo)
{
    const PayTable both = Table({CherryCherryAny(PayTable::BothWays)});
    EXPECT_FALSE(both.MatchLine({Bar, Cherry, Cherry}, 0));  // the matcher reads left to right
    Win win = Find(both, {Bar, Cherry, Cherry});
    EXPECT_TRUE(win.found);
    EXPECT_EQ(win.line, 0);
    EXPECT_EQ(win.payout.amount, 10);

    const PayTable plain = Table({CherryCherryAny(PayTable::Plain)});
    EXPECT_FALSE(Find(plain, {Bar, Cherry, Cherry}).found);
    EXPECT_TRUE(Find(plain, {Cherry, Cherry, Bar}).found);
}

TEST(PayTableFind, HighestAmountWinsAndTiesGoToTheLowerLine)
{
    const PayTable table = Table({
        {PayTable::Plain, {{PayTable::OneOf, {"Bar"}}}, {Pays(0), Pays(5)}},
        {PayTable::Plain, {{PayTable::AnyBut, {}}}, {Pays(3), Pays(5)}},
        {PayTable::Plain, {{PayTable::AnyBut, {"Lemon"}}}, {Pays(4), Pays(-1)}},
        {PayTable::Plain, {{PayTable::OneOf, {"Cherry"}}}, {Pays(4), Pays(2)}},
    });
    Win win = Find(table, {Bar}, 1);
    EXPECT_EQ(win.line, 2);
    EXPECT_EQ(win.payout.amount, 4);
    win = Find(table, {Cherry}, 1);
    EXPECT_EQ(win.line, 2);  // lines 2 and 3 both pay 4
    win = Find(table, {Bar}, 2);
    EXPECT_EQ(win.line, 0);  // lines 0 and 1 both pay 5
    EXPECT_EQ(win.payout.amount, 5);

    // A matching line that pays 0 or less never wins.
    const PayTable nothing = Table({{PayTable::Plain, {{PayTable::AnyBut, {}}}, {Pays(0), Pays(-3)}}});
    EXPECT_FALSE(Find(nothing, {Bar}, 1).found);
    EXPECT_FALSE(Find(nothing, {Bar}, 2).found);
}

TEST(PayTableFind, ScriptletsLeftToRightWinAtOnceRightToLeftByAmount)
{
    // Line 0 pays 50 for anything; line 1 is a BothWays scriptlet line.
    const PayTable table = Table({
        {PayTable::Plain, {{PayTable::AnyBut, {}}}, {Pays(50)}},
        CherryCherryAny(PayTable::BothWays, Runs("Jackpot()", 60)),
    });
    Win win = Find(table, {Cherry, Cherry, Bar});  // forward: returned at once
    EXPECT_EQ(win.line, 1);
    EXPECT_EQ(win.payout.type, PayTable::Scriptlet);
    EXPECT_EQ(win.payout.scriptlet, "Jackpot()");

    win = Find(table, {Bar, Cherry, Cherry});  // reversed only: competes by its amount 60
    EXPECT_EQ(win.line, 1);
    EXPECT_EQ(win.payout.scriptlet, "Jackpot()");

    const PayTable low = Table({
        {PayTable::Plain, {{PayTable::AnyBut, {}}}, {Pays(50)}},
        CherryCherryAny(PayTable::BothWays, Runs("Jackpot()", 0)),
    });
    win = Find(low, {Bar, Cherry, Cherry});
    EXPECT_EQ(win.line, 0);
    EXPECT_EQ(win.payout.amount, 50);
    EXPECT_EQ(Find(low, {Cherry, Cherry, Bar}).line, 1);
}

TEST(PayTableFind, BadCoinsResultsAndLinesPayNothing)
{
    const PayTable table = Table({
        {PayTable::Plain, {{PayTable::AnyBut, {}}, {PayTable::AnyBut, {}}}, {Pays(1), Pays(2)}},
        {PayTable::Plain, {{PayTable::AnyBut, {}}}, {Pays(7)}},
    });
    const PayTable::Payout untouched{PayTable::Scriptlet, "keep", 99};
    for (int32_t coins : {0, -1, INT32_MIN}) {
        Win win;
        win.payout = untouched;
        win.line = 42;
        EXPECT_FALSE(table.FindWinningLine({Bar, Bar}, coins, win.payout, win.line)) << coins;
        EXPECT_EQ(win.payout, untouched);
        EXPECT_EQ(win.line, 42);
    }
    EXPECT_EQ(Find(table, {Bar, Bar}, 1).line, 1);
    EXPECT_EQ(Find(table, {Bar, Bar}, 2).line, 0);  // line 1 has no entry for 2 coins
    EXPECT_FALSE(Find(table, {Bar, Bar}, 3).found);
    EXPECT_FALSE(Find(table, {Bar, Bar}, INT32_MAX).found);

    // Symbol numbers outside the symbol list, including -1, which must not pass for the
    // missing wild.
    for (const std::vector<int32_t>& bad :
         std::vector<std::vector<int32_t>>{{Bar, -1}, {4, Bar}, {INT32_MIN, Bar}, {Bar, INT32_MAX}}) {
        EXPECT_FALSE(Find(table, bad, 1).found);
        EXPECT_FALSE(table.MatchLine(bad, 0));
    }

    // A line with more items than the result has reels does not match; a shorter one may.
    EXPECT_FALSE(table.MatchLine({Bar}, 0));
    EXPECT_TRUE(table.MatchLine({Bar}, 1));
    EXPECT_FALSE(table.MatchLine({}, 0));
    EXPECT_FALSE(table.MatchLine({Bar, Bar}, 2));
    EXPECT_FALSE(table.MatchLine({Bar, Bar}, -1));
}

// ---- The reference: the rules written out plainly, read independently of the table's
// own code.

bool ReferenceMatch(const PayTable& table, const PayTable::PayoutLine& line,
                    const std::vector<int32_t>& reels)
{
    const int32_t wild = table.GetWild();
    auto isWild = [&](int32_t s) { return wild != -1 && s == wild; };
    auto listed = [](const PayTable::PatternItem& item, int32_t s) {
        return std::count(item.symbols.begin(), item.symbols.end(), s) > 0;
    };
    if (!line.items.empty() && line.items.front().kind == PayTable::Counted) {
        if (line.items.front().symbols.empty())
            return false;
        std::size_t run = 0;
        while (run < line.items.size() && line.items[run].kind == PayTable::Counted)
            ++run;
        const int32_t s = line.items.front().symbols.front();
        const auto shown = std::count_if(reels.begin(), reels.end(),
                                         [&](int32_t r) { return r == s || isWild(r); });
        return static_cast<std::size_t>(shown) >= run;
    }
    if (line.items.size() > reels.size())
        return false;
    for (std::size_t i = 0; i < line.items.size(); ++i) {
        const PayTable::PatternItem& item = line.items[i];
        if (item.kind == PayTable::OneOf && !(listed(item, reels[i]) || isWild(reels[i])))
            return false;
        if (item.kind == PayTable::AnyBut && listed(item, reels[i]))
            return false;
    }
    return true;
}

Win ReferenceFind(const PayTable& table, const std::vector<int32_t>& reels, int32_t coins)
{
    Win none;
    if (coins < 1)
        return none;
    for (int32_t s : reels)
        if (s < 0 || s >= table.GetSymbolCount())
            return none;
    std::vector<int32_t> reversed(reels);
    std::reverse(reversed.begin(), reversed.end());
    const std::size_t entry = static_cast<std::size_t>(coins) - 1;
    const auto& lines = table.GetLines();

    // First: the lowest line whose left-to-right reading pays a scriptlet.
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (entry < lines[i].payouts.size() && lines[i].payouts[entry].type == PayTable::Scriptlet &&
            ReferenceMatch(table, lines[i], reels))
            return {true, static_cast<int32_t>(i), lines[i].payouts[entry]};

    // Else: every reading in order (a line forward, then reversed) with its amount; the
    // first of the highest positive amounts wins.
    Win best;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (entry >= lines[i].payouts.size())
            continue;
        const PayTable::Payout& p = lines[i].payouts[entry];
        const bool forward = ReferenceMatch(table, lines[i], reels);
        const bool backward = lines[i].kind == PayTable::BothWays && ReferenceMatch(table, lines[i], reversed);
        if ((forward || backward) && p.amount > 0 && p.amount > best.payout.amount)
            best = {true, static_cast<int32_t>(i), p};
    }
    return best;
}

TEST(PayTableFind, AgreesWithTheReferenceOverRandomTables)
{
    RandomTables random(20261208);
    int wins = 0, scriptletWins = 0, reversedOnly = 0, countedWins = 0, wildWins = 0;
    int modes[3] = {0, 0, 0};
    for (int t = 0; t < 3000; ++t) {
        const RandomTables::Machine m = random.Make();
        ++modes[m.mode];
        for (int r = 0; r < 25; ++r) {
            std::vector<int32_t> reels = random.Result(m);
            if (random.Chance(2))
                reels[0] = random.Chance(50) ? -1 : static_cast<int32_t>(m.names.size());
            const int32_t coins = random.Next(0, m.maxBet + 1);

            std::vector<int32_t> reversed(reels.rbegin(), reels.rend());
            for (int32_t i = 0; i < m.table.GetLineCount(); ++i) {
                const bool valid = std::all_of(reels.begin(), reels.end(), [&](int32_t s) {
                    return s >= 0 && s < m.table.GetSymbolCount();
                });
                const auto& line = m.table.GetLines()[static_cast<std::size_t>(i)];
                ASSERT_EQ(m.table.MatchLine(reels, i), valid && ReferenceMatch(m.table, line, reels));
                ASSERT_EQ(m.table.MatchLine(reversed, i), valid && ReferenceMatch(m.table, line, reversed));
            }

            const Win expected = ReferenceFind(m.table, reels, coins);
            const Win actual = Find(m.table, reels, coins);
            ASSERT_EQ(actual.found, expected.found) << "table " << t << " result " << r;
            if (!expected.found)
                continue;
            ASSERT_EQ(actual.line, expected.line) << "table " << t << " result " << r;
            ASSERT_EQ(actual.payout, expected.payout);
            ASSERT_EQ(actual.payout, m.table.GetPayout(actual.line, coins));

            ++wins;
            const auto& line = m.table.GetLines()[static_cast<std::size_t>(actual.line)];
            scriptletWins += actual.payout.type == PayTable::Scriptlet;
            reversedOnly += !m.table.MatchLine(reels, actual.line);
            countedWins += !line.items.empty() && line.items[0].kind == PayTable::Counted;
            wildWins += std::count(reels.begin(), reels.end(), m.table.GetWild()) > 0;
        }
    }
    // The random tables must reach every rule, or the comparison proves little.
    EXPECT_GT(wins, 5000);
    EXPECT_GT(scriptletWins, 100);
    EXPECT_GT(reversedOnly, 100);
    EXPECT_GT(countedWins, 100);
    EXPECT_GT(wildWins, 100);
    for (int mode : modes)
        EXPECT_GT(mode, 500);
}

}  // namespace

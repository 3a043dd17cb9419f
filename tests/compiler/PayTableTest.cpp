// Filling the table from the script form, payout look-up and the packed layout.
#include <gtest/gtest.h>

#include "PackedText.h"
#include "PayScriptForm.h"
#include "PayTable.h"

namespace {

const std::vector<std::string> kNames = {"Bar", "Cherry", "Lemon", "Seven"};

TEST(PayTableAssign, NamesBecomeSymbolNumbersAndEverythingIsCopied)
{
    ScriptTable script;
    script.lines = {
        {PayTable::BothWays,
         {{PayTable::OneOf, {"Cherry", "Seven"}}, {PayTable::AnyBut, {"Bar"}}, {PayTable::AnyBut, {}}},
         {Pays(5), Runs("Bonus()", 7)}},
        {PayTable::Plain, {{PayTable::Counted, {"Lemon"}}}, {Pays(1), Pays(2)}},
    };
    script.joker = "Seven";
    script.payoutMode = ScriptMode::AllMatches;
    PayTable table;
    table.Assign(script, kNames);

    ASSERT_EQ(table.GetLineCount(), 2);
    const PayTable::PayoutLine& first = table.GetLines()[0];
    EXPECT_EQ(first.kind, PayTable::BothWays);
    ASSERT_EQ(first.items.size(), 3u);
    EXPECT_EQ(first.items[0].kind, PayTable::OneOf);
    EXPECT_EQ(first.items[0].symbols, (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(first.items[1].kind, PayTable::AnyBut);
    EXPECT_EQ(first.items[1].symbols, (std::vector<int32_t>{0}));
    EXPECT_TRUE(first.items[2].symbols.empty());
    ASSERT_EQ(first.payouts.size(), 2u);
    EXPECT_EQ(first.payouts[1].type, PayTable::Scriptlet);
    EXPECT_EQ(first.payouts[1].scriptlet, "Bonus()");
    EXPECT_EQ(first.payouts[1].amount, 7);
    EXPECT_EQ(table.GetLines()[1].items[0].kind, PayTable::Counted);
    EXPECT_EQ(table.GetLines()[1].items[0].symbols, (std::vector<int32_t>{2}));
    EXPECT_EQ(table.GetWild(), 3);
    EXPECT_EQ(table.GetMode(), PayTable::AllMatches);
    EXPECT_EQ(table.GetSymbolCount(), 4);

    // Assigning again replaces the whole table.
    table.Assign(std::vector<ScriptLine>{}, "", PayTable::BestMatch, {"Bar"});
    EXPECT_EQ(table.GetLineCount(), 0);
    EXPECT_EQ(table.GetWild(), -1);
    EXPECT_EQ(table.GetMode(), PayTable::BestMatch);
    EXPECT_EQ(table.GetSymbolCount(), 1);
}

TEST(PayTableAssign, NamesOutsideTheSymbolListStandForNoSymbol)
{
    // "Plum" is no symbol: it must not turn into symbol 0 ("Bar").
    std::vector<ScriptLine> lines = {
        {PayTable::Plain, {{PayTable::OneOf, {"Plum"}}, {PayTable::AnyBut, {"Plum", "Lemon"}}}, {Pays(4)}},
    };
    PayTable table;
    table.Assign(lines, "Plum", PayTable::BestMatch, kNames);
    EXPECT_TRUE(table.GetLines()[0].items[0].symbols.empty());
    EXPECT_EQ(table.GetLines()[0].items[1].symbols, (std::vector<int32_t>{2}));
    EXPECT_EQ(table.GetWild(), -1);
    EXPECT_FALSE(table.MatchLine({0, 1}, 0));  // Bar is not Plum
    EXPECT_FALSE(table.MatchLine({2, 1}, 0));
}

TEST(PayTableGetPayout, EntryForCoinsAndEmptyOutsideTheTable)
{
    std::vector<ScriptLine> lines = {
        {PayTable::Plain, {{PayTable::AnyBut, {}}}, {Pays(3), Runs("x", 9), Pays(6)}},
    };
    PayTable table;
    table.Assign(lines, "", PayTable::BestMatch, kNames);

    EXPECT_EQ(table.GetPayout(0, 1).amount, 3);
    EXPECT_EQ(table.GetPayout(0, 2).type, PayTable::Scriptlet);
    EXPECT_EQ(table.GetPayout(0, 2).scriptlet, "x");
    EXPECT_EQ(table.GetPayout(0, 3).amount, 6);

    const PayTable::Payout empty;
    for (auto [line, coins] : std::vector<std::pair<int32_t, int32_t>>{
             {0, 0}, {0, -1}, {0, 4}, {0, INT32_MIN}, {0, INT32_MAX}, {1, 1}, {-1, 1}, {INT32_MIN, 1}}) {
        EXPECT_EQ(table.GetPayout(line, coins), empty) << line << " " << coins;
    }
}

TEST(PackedText, LayoutAndRoundTrip)
{
    struct Case {
        std::string text;
        std::vector<uint32_t> words;
    };
    const std::vector<Case> cases = {
        {"", {0}},
        {"A", {1, 0x41}},
        {"abcd", {4, 0x64636261}},
        {"abcde", {5, 0x64636261, 0x65}},
        {std::string("\0\xff\x01", 3), {3, 0x0001ff00}},
        {"12345678", {8, 0x34333231, 0x38373635}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PackedTextWords(c.text.size()), c.words.size());
        std::vector<uint32_t> words(c.words.size());
        EXPECT_EQ(PackText(words.data(), c.text), words.data() + words.size());
        EXPECT_EQ(words, c.words);

        const uint32_t* cursor = words.data();
        std::string back = "old";
        ASSERT_TRUE(UnpackText(cursor, words.data() + words.size(), back));
        EXPECT_EQ(back, c.text);
        EXPECT_EQ(cursor, words.data() + words.size());

        // One word short, or nothing at all, is refused without touching anything.
        cursor = words.data();
        back = "old";
        EXPECT_FALSE(UnpackText(cursor, words.data() + words.size() - 1, back));
        EXPECT_EQ(cursor, words.data());
        EXPECT_EQ(back, "old");
    }
}

TEST(PackedText, LengthsBeyondTheBufferAreRefused)
{
    for (uint32_t length : {5u, 0x7fffffffu, 0xfffffffdu, 0xffffffffu}) {
        const std::vector<uint32_t> words = {length, 0x11111111};
        const uint32_t* cursor = words.data();
        std::string text;
        EXPECT_FALSE(UnpackText(cursor, words.data() + words.size(), text)) << length;
        EXPECT_EQ(cursor, words.data());
    }
}

TEST(PayTablePack, WordLayout)
{
    std::vector<ScriptLine> lines = {
        {PayTable::BothWays,
         {{PayTable::OneOf, {"Cherry"}}, {PayTable::AnyBut, {"Bar", "Seven"}}},
         {Pays(5), Runs("abcd"), Runs("abcde"), Runs("")}},
    };
    PayTable table;
    table.Assign(lines, "Lemon", PayTable::HighestValue, kNames);
    const std::vector<uint32_t> expected = {
        1,                                   // lines
        1, 2,                                // BothWays, two items
        0, 1, 1,                             // one of {Cherry}
        2, 2, 0, 3,                          // any but {Bar, Seven}
        4,                                   // payouts
        0, 5,                                // amount 5
        1, 4, 0x64636261,                    // "abcd": length word and one text word
        1, 5, 0x64636261, 0x65,              // "abcde": three bytes of padding
        1, 0,                                // empty scriptlet: the length word alone
        2,                                   // wild Lemon
        1,                                   // HighestValue
    };
    EXPECT_EQ(table.GetPackedSize(), expected.size());
    EXPECT_EQ(PackToVector(table), expected);
}

TEST(PayTablePack, TableWithoutLinesIsThreeWordsAndNeverPays)
{
    PayTable table;
    table.Assign(std::vector<ScriptLine>{}, "Bar", PayTable::AllMatches, kNames);
    EXPECT_EQ(PackToVector(table), (std::vector<uint32_t>{0, 0, 2}));

    PayTable::Payout payout;
    int32_t line = -7;
    for (int32_t a = 0; a < 4; ++a)
        for (int32_t b = 0; b < 4; ++b)
            EXPECT_FALSE(table.FindWinningLine({a, b, a}, 1, payout, line));
    EXPECT_EQ(line, -7);
}

}  // namespace

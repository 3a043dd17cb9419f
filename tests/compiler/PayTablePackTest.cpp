// The packed word form: round trips over random tables, and buffers that are cut short
// or damaged, which must be refused without reading past their end.
#include <gtest/gtest.h>

#include "PayScriptForm.h"
#include "PayTable.h"

namespace {

const std::vector<std::string> kNames = {"Bar", "Cherry", "Lemon"};

TEST(PayTableUnpack, RandomTablesComeBackEqual)
{
    RandomTables random(7);
    for (int t = 0; t < 2000; ++t) {
        const RandomTables::Machine m = random.Make();
        std::vector<uint32_t> words = PackToVector(m.table);
        words.push_back(0xdeadbeef);  // what follows the table in a machine chunk

        // The packed form keeps no amount for a scriptlet payout: it comes back as 0.
        std::vector<ScriptLine> lines = m.lines;
        for (ScriptLine& line : lines)
            for (ScriptPayout& payout : line.payouts)
                if (payout.type == PayTable::Scriptlet)
                    payout.amount = 0;
        PayTable expected;
        expected.Assign(lines, m.joker, m.mode, m.names);

        PayTable back;
        const uint32_t* end = back.Unpack(words.data(), words.data() + words.size(), m.table.GetSymbolCount());
        ASSERT_EQ(end, words.data() + words.size() - 1) << "table " << t;
        ASSERT_EQ(back, expected) << "table " << t;
        ASSERT_EQ(PackToVector(back), PackToVector(m.table));
    }
}

TEST(PayTableUnpack, EveryTruncationIsRefusedAndLeavesTheTableAlone)
{
    RandomTables random(11);
    PayTable previous;
    previous.Assign(std::vector<ScriptLine>{{PayTable::Plain, {{PayTable::OneOf, {"Bar"}}}, {Pays(3)}}},
                    "Bar", PayTable::HighestValue, kNames);
    for (int t = 0; t < 300; ++t) {
        const RandomTables::Machine m = random.Make();
        const std::vector<uint32_t> words = PackToVector(m.table);
        for (std::size_t cut = 0; cut < words.size(); ++cut) {
            // A buffer of exactly `cut` words, so the sanitizers see any read past it.
            std::vector<uint32_t> shortBuffer(words.begin(), words.begin() + static_cast<long>(cut));
            PayTable table = previous;
            const uint32_t* begin = shortBuffer.data();
            ASSERT_EQ(table.Unpack(begin, begin + cut, m.table.GetSymbolCount()), nullptr)
                << "table " << t << " cut at " << cut << " of " << words.size();
            ASSERT_EQ(table, previous);
        }
    }
}

// A packed table with every kind of field, and the position of each field in it.
struct Sample {
    PayTable table;
    std::vector<uint32_t> words;
    Sample()
    {
        table.Assign(std::vector<ScriptLine>{{PayTable::BothWays,
                                              {{PayTable::OneOf, {"Cherry", "Lemon"}}, {PayTable::AnyBut, {}}},
                                              {Pays(4), Runs("Bonus()")}}},
                     "Bar", PayTable::AllMatches, kNames);
        words = PackToVector(table);
    }
    enum Field {
        LineCount = 0, LineKind, ItemCount, ItemKind, SymbolCount, Symbol, Symbol2, Item2Kind,
        Item2Count, PayoutCount, Type, Amount, Type2, TextLength, Text, Text2, Wild, Mode, Size
    };
};

TEST(PayTableUnpack, DamagedFieldsAreRefused)
{
    Sample sample;
    ASSERT_EQ(sample.words.size(), static_cast<std::size_t>(Sample::Size));
    ASSERT_EQ(sample.words[Sample::TextLength], 7u);

    const std::vector<std::pair<int, uint32_t>> damage = {
        {Sample::LineCount, 2},           {Sample::LineCount, 0x55555555},
        {Sample::LineCount, 0xffffffff},  {Sample::LineKind, 2},
        {Sample::LineKind, 0xffffffff},   {Sample::ItemCount, 9},
        {Sample::ItemCount, 0x80000000},  {Sample::ItemKind, 3},
        {Sample::ItemKind, 0xffffffff},   {Sample::SymbolCount, 50},
        {Sample::SymbolCount, 0xffffffff}, {Sample::Symbol, 3},
        {Sample::Symbol, 0xffffffff},     {Sample::Symbol2, 0x7fffffff},
        {Sample::PayoutCount, 9},         {Sample::PayoutCount, 0xfffffffe},
        {Sample::Type, 2},                {Sample::Type2, 0xffffffff},
        {Sample::TextLength, 100},        {Sample::TextLength, 0xffffffff},
        {Sample::TextLength, 0xfffffffd}, {Sample::Wild, 3},
        {Sample::Wild, 0xfffffffe},       {Sample::Mode, 3},
        {Sample::Mode, 0xffffffff},
    };
    for (auto [field, value] : damage) {
        std::vector<uint32_t> words = sample.words;
        words[static_cast<std::size_t>(field)] = value;
        PayTable table = sample.table;
        EXPECT_EQ(table.Unpack(words.data(), words.data() + words.size(), 3), nullptr)
            << "field " << field << " = " << value;
        EXPECT_EQ(table, sample.table);
    }

    // Symbol numbers are checked against the machine's own symbol list.
    PayTable table;
    EXPECT_EQ(table.Unpack(sample.words.data(), sample.words.data() + Sample::Size, 2), nullptr);
    EXPECT_NE(table.Unpack(sample.words.data(), sample.words.data() + Sample::Size, 3), nullptr);
    EXPECT_EQ(table, sample.table);

    // No wild is -1 and nothing else; a table with no symbols at all has no wild either.
    std::vector<uint32_t> noWild = sample.words;
    noWild[Sample::Wild] = 0xffffffff;
    EXPECT_NE(table.Unpack(noWild.data(), noWild.data() + noWild.size(), 3), nullptr);
    EXPECT_EQ(table.GetWild(), -1);

    // Nonsense arguments.
    EXPECT_EQ(table.Unpack(nullptr, nullptr, 3), nullptr);
    EXPECT_EQ(table.Unpack(sample.words.data() + 2, sample.words.data(), 3), nullptr);
    EXPECT_EQ(table.Unpack(sample.words.data(), sample.words.data() + Sample::Size, -1), nullptr);
}

TEST(PayTableUnpack, RandomDamageNeverReadsPastTheBuffer)
{
    // Whatever the damage, the reader stays inside the buffer; what it accepts is a
    // table that packs to exactly the words it read.
    RandomTables random(99);
    int accepted = 0, refused = 0;
    for (int t = 0; t < 1500; ++t) {
        const RandomTables::Machine m = random.Make();
        std::vector<uint32_t> words = PackToVector(m.table);
        const int hits = random.Next(1, 3);
        for (int h = 0; h < hits; ++h) {
            uint32_t& word = words[static_cast<std::size_t>(random.Next(0, static_cast<int>(words.size()) - 1))];
            switch (random.Next(0, 3)) {
            case 0: word = static_cast<uint32_t>(random.Next(0, 8)); break;
            case 1: word += static_cast<uint32_t>(random.Next(-2, 2)); break;
            case 2: word ^= 1u << random.Next(0, 31); break;
            default: word = 0xffffffffu - static_cast<uint32_t>(random.Next(0, 3)); break;
            }
        }
        PayTable table;
        const uint32_t* begin = words.data();
        const uint32_t* end = table.Unpack(begin, begin + words.size(), m.table.GetSymbolCount());
        if (end == nullptr) {
            ++refused;
            continue;
        }
        ++accepted;
        ASSERT_LE(end, begin + words.size());
        ASSERT_EQ(table.GetPackedSize(), static_cast<uint32_t>(end - begin));
    }
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);
}

}  // namespace

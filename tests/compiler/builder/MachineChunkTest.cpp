// The machine chunk's bytes for a small hand-written machine, word by word against the
// chunk's layout, and the same chunk read back; the checks made before a machine is built.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ChunkNumbers.h"
#include "ChunkReader.h"
#include "DenominationMask.h"
#include "MachineChunk.h"

namespace {

// Two reels of two stops, symbols Bell (0) and Star (1), a button and an indicator.
MachineChunk SmallMachine() {
    MachineChunk c;
    c.title = "Tiny";
    c.reelCount = 2;
    c.stopCount = 2;
    c.symbolWidth = 40;
    c.symbolHeight = 30;
    c.maxBet = 3;
    c.payLineCount = 1;
    c.backdrop = 3;
    c.symbolSprite = 7;
    c.soundCount = 1;
    c.regionCount = 2;
    c.denominationMask = DenominationMask({Money(25), Money(100), Money(300)});
    c.coinSprite = 5;
    c.coinInRegion = 10;
    c.denominationRegion = 11;
    c.coinDropSprite = 6;
    c.denominationIndicator = 0;
    c.dropX = -4;
    c.dropY = 250;
    c.coinSound = 9;
    c.billRegion = 12;
    c.progressiveIndicator = -1;
    c.progressiveInitial = TruncatedWord(12.9);
    c.progressiveIncrement = CentsWord(0.015);
    c.progressiveThird = 0;
    c.stops = {{0, 2}, {1, 1}, {1, 3}, {0, 0}};
    ChunkElement arm;
    arm.name = "##arm";
    arm.sprite = 4;
    ChunkElement spin;
    spin.name = "Spin";
    spin.sprite = 8;
    spin.rectangle = ScriptRect{-10, 20, 30, 40};
    spin.priority = 210;
    spin.hotKey = ' ';
    spin.hotKeyFlags = 2;
    spin.scriptlets = {"OnClick=Go()"};
    ChunkElement armRecord = arm;
    armRecord.rectangle = ScriptRect{600, 100, 640, 300};
    armRecord.priority = 200;
    armRecord.hotKey = 80;
    c.buttons = {arm, spin, armRecord};
    c.reels = {{{10, 20, 50, 110, 48, 12}}, {{60, 20, 100, 110, 0, 0}}};
    ChunkElement credit;
    credit.name = "Credit";
    credit.sprite = 9;
    credit.rectangle = ScriptRect{5, 6, 65, 30};
    credit.priority = 75;
    credit.digits = 8;
    credit.dollarSign = true;
    c.indicators = {credit};
    struct Item { int32_t kind; std::vector<std::string> symbols; };
    struct Pay { int32_t type; std::string scriptlet; int32_t amount; };
    struct Line { int32_t kind; std::vector<Item> items; std::vector<Pay> payouts; };
    c.payTable.Assign(std::vector<Line>{{0, {{0, {"Bell"}}, {0, {"Bell"}}}, {{0, "", 5}, {1, "Big()", 0}}}},
                      "Star", 1, {"Bell", "Star"});
    c.animations = {{"##arm", 4}, {"Glow", 5}};
    c.sounds = {{"Drop", 9}};
    c.regions = {{"Bill", 12}, {"Coin", 10}, {"Plate", 0}};
    c.symbolNames = {"Bell", "Star"};
    c.scriptCode = "function Go() {}\n";
    c.scriptCodeLine = 41;
    c.payoutLines = {12, 13};
    return c;
}

std::vector<uint32_t> Text(const std::string& text) {
    std::vector<uint32_t> words(PackedTextWords(text.size()));
    PackText(words.data(), text);
    return words;
}

std::vector<uint32_t> Slice(const std::vector<uint32_t>& w, size_t from, size_t count) {
    return std::vector<uint32_t>(w.begin() + long(from), w.begin() + long(from + count));
}

std::string Bytes(const std::vector<uint32_t>& w, size_t fromWord, size_t bytes) {
    std::string s(bytes, '\0');
    std::memcpy(&s[0], reinterpret_cast<const char*>(w.data() + fromWord), bytes);
    return s;
}

TEST(MachineChunk, FixedHeaderHoldsEveryFieldAtItsOffset) {
    const std::vector<uint32_t> w = PackMachineChunk(SmallMachine());
    EXPECT_EQ(Bytes(w, 0, 128), std::string("Tiny") + std::string(124, '\0'));
    const std::vector<uint32_t> header = {60, 2, 2, 2, 40, 30, 3, 1, 1, 3, 3, 7, 1, 2, 0x28, 5, 10, 11, 6, 0,
                                          uint32_t(-4), 250, 9, 12, uint32_t(-1), 12, 2, 0};
    EXPECT_EQ(Slice(w, 32, 28), header);
}

TEST(MachineChunk, BodyFollowsTheHeaderInItsOrder) {
    const MachineChunk c = SmallMachine();
    const std::vector<uint32_t> w = PackMachineChunk(c);
    std::vector<uint32_t> expected = {0, 2, 1, 1, 1, 3, 0, 0};  // reel strips
    auto name = [&](const std::string& n) {
        std::vector<uint32_t> field(8, 0);
        std::memcpy(field.data(), n.data(), n.size());
        expected.insert(expected.end(), field.begin(), field.end());
    };
    auto append = [&](std::vector<uint32_t> more) { expected.insert(expected.end(), more.begin(), more.end()); };
    name("##arm");
    append({4, 0, 0, 0, 0, 0, 0, 0, 0});
    name("Spin");
    append({8, uint32_t(-10), 20, 30, 40, 210, ' ', 2, 1});
    append(Text("OnClick=Go()"));
    name("##arm");
    append({4, 600, 100, 640, 300, 200, 80, 0, 0});
    append({10, 20, 50, 110, 48, 12, 60, 20, 100, 110, 0, 0});
    name("Credit");
    append({9, 8, 5, 6, 65, 30, 75, 1, 0});
    std::vector<uint32_t> pay(c.payTable.GetPackedSize());
    c.payTable.Pack(pay.data());
    append(pay);
    append({2, 4});
    append(Text("##arm"));
    append({5});
    append(Text("Glow"));
    append({1, 9});
    append(Text("Drop"));
    append({3, 12});
    append(Text("Bill"));
    append({10});
    append(Text("Coin"));
    append({0});
    append(Text("Plate"));
    append(Text("Bell"));
    append(Text("Star"));
    append(Text("function Go() {}\n"));
    append({41});  // the script file's line of the code's first line
    append({2, 12, 13});  // the script file's line of each payout
    EXPECT_EQ(std::vector<uint32_t>(w.begin() + 60, w.end()), expected);
}

TEST(MachineChunk, ReadsBackToTheSameValues) {
    const MachineChunk c = SmallMachine();
    MachineChunk back;
    ChunkReader reader(PackMachineChunk(c));
    ASSERT_TRUE(reader.Read(back));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(back.payTable, c.payTable);
    EXPECT_EQ(back.animations, c.animations);
    EXPECT_EQ(back.regions, c.regions);
    EXPECT_EQ(back.symbolNames, c.symbolNames);
    EXPECT_EQ(back.scriptCode, c.scriptCode);
    EXPECT_EQ(back.scriptCodeLine, 41);
    EXPECT_EQ(back.payoutLines, (std::vector<int32_t>{12, 13}));
    ASSERT_EQ(back.buttons.size(), 3u);
    EXPECT_EQ(back.buttons[1].scriptlets, c.buttons[1].scriptlets);
    EXPECT_EQ(back.indicators[0].digits, 8);
}

TEST(MachineChunk, TitleIsCutTo127BytesAndAlwaysEnds) {
    for (size_t length : {127u, 128u, 200u}) {
        SCOPED_TRACE(length);
        MachineChunk c = SmallMachine();
        c.title = std::string(length, 'T');
        const std::vector<uint32_t> w = PackMachineChunk(c);
        EXPECT_EQ(Bytes(w, 0, 128), std::string(127, 'T') + '\0');
        EXPECT_EQ(w[32], 60u);
    }
}

TEST(MachineChunk, NamesUpTo32BytesFitAndLongerOnesAreRefused) {
    for (size_t length : {31u, 32u}) {
        MachineChunk c = SmallMachine();
        c.buttons[1].name = std::string(length, 'B');
        c.indicators[0].name = std::string(length, 'I');
        const std::vector<uint32_t> w = PackMachineChunk(c);
        const size_t spin = 60 + 8 + 17, credit = spin + 17 + 4 + 17 + 12;
        EXPECT_EQ(Bytes(w, spin, 32), std::string(length, 'B') + std::string(32 - length, '\0'));
        EXPECT_EQ(Bytes(w, credit, 32), std::string(length, 'I') + std::string(32 - length, '\0'));
    }
    MachineChunk button = SmallMachine();
    button.buttons[1].name = std::string(33, 'B');
    EXPECT_THROW(PackMachineChunk(button), ElementNameTooLong);
    MachineChunk indicator = SmallMachine();
    indicator.indicators[0].name = std::string(33, 'I');
    EXPECT_THROW(PackMachineChunk(indicator), ElementNameTooLong);
}

TEST(ChunkNumbers, IncrementRoundsToTheCentAndOtherValuesTruncate) {
    EXPECT_EQ(CentsWord(0.015), 2);
    EXPECT_EQ(CentsWord(0.02), 2);
    EXPECT_EQ(CentsWord(0.29), 29);  // 28.999... as a double
    EXPECT_EQ(TruncatedWord(12.9), 12);
    EXPECT_EQ(TruncatedWord(-12.9), -12);
    EXPECT_EQ(TruncatedWord(1e20), 2147483647);
    EXPECT_EQ(TruncatedWord(-1e20), -2147483647 - 1);
}

}  // namespace

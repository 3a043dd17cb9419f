// The machine chunk read back into the machine's records: a chunk packed by the builder's
// own writer comes back field by field, and damaged or unplayable chunks (every truncation,
// counts and numbers past the end or out of range, no reels, no stops, symbols without
// height, reels whose weights are all 0, too many pay lines, no denomination) are refused
// with their reason, never read past their end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MachineChunk.h"
#include "MachineChunkReader.h"
#include "MachineFileError.h"

namespace {

const uint32_t kAssets = 20;

// Header word hN of a packed chunk: after the 32 words of the title.
size_t H(int n) { return size_t(32 + n); }

// Two reels of three stops over Bell (0), Cherry (1) and Star (2), a coin acceptor, a
// button and the arm, two indicators with scriptlets and a pay table with a scriptlet.
MachineChunk SmallMachine() {
    MachineChunk c;
    c.title = "Tin Lantern";
    c.reelCount = 2;
    c.stopCount = 3;
    c.symbolWidth = 40;
    c.symbolHeight = 30;
    c.maxBet = 3;
    c.payLineCount = 1;
    c.backdrop = 2;
    c.symbolSprite = 7;
    c.denominationMask = 0x28;  // 25 cents and a dollar
    c.coinSprite = 5;
    c.coinInRegion = 10;
    c.denominationRegion = 11;
    c.coinDropSprite = 6;
    c.denominationIndicator = 1;
    c.dropX = 300;
    c.dropY = 250;
    c.coinSound = 9;
    c.billRegion = 12;
    c.progressiveIndicator = 0;
    c.stops = {{0, 2}, {1, 1}, {2, 3}, {2, 1}, {0, 0}, {1, 4}};
    ChunkElement spin;
    spin.name = "Spin";
    spin.sprite = 8;
    spin.rectangle = ScriptRect{-10, 320, 30, 360};
    spin.priority = 0x12345;
    spin.hotKey = 'S';
    spin.hotKeyFlags = 4;
    spin.scriptlets = {"OnClick=Go()", "OnPress=x"};
    ChunkElement arm;
    arm.name = "##arm";
    arm.sprite = 4;
    arm.rectangle = ScriptRect{600, 100, 640, 300};
    arm.priority = 200;
    arm.hotKey = 80;
    c.buttons = {spin, arm};
    c.reels = {{{10, 20, 50, 110, 48, 12}}, {{60, 20, 100, 110, 0, 0}}};
    ChunkElement jackpot;
    jackpot.name = "Jackpot";
    jackpot.sprite = 9;
    jackpot.rectangle = ScriptRect{5, 6, 65, 400};
    jackpot.priority = 75;
    jackpot.digits = 8;
    jackpot.dollarSign = true;
    jackpot.scriptlets = {"OnUpdate=Cheer()"};
    ChunkElement denomination;
    denomination.name = "Denomination";
    c.indicators = {jackpot, denomination};
    struct Item { int32_t kind; std::vector<std::string> symbols; };
    struct Pay { int32_t type; std::string scriptlet; int32_t amount; };
    struct Line { int32_t kind; std::vector<Item> items; std::vector<Pay> payouts; };
    c.payTable.Assign(std::vector<Line>{{1, {{0, {"Bell"}}, {0, {"Bell"}}}, {{0, "", 5}, {1, "Big()", 0}, {0, "", 9}}}},
                      "Star", 1, {"Bell", "Cherry", "Star"});
    c.animations = {{"##arm", 4}, {"Glow", 5}};
    c.sounds = {{"Drop", 9}};
    c.regions = {{"Bill", 12}, {"Coin", 10}, {"Plate", 0}};
    c.symbolNames = {"Bell", "Cherry", "Star"};
    c.scriptCode = "function Go() {}\n";
    c.scriptCodeLine = 41;
    c.payoutLines = {12, 12, 13};
    return c;
}

std::vector<uint32_t> Packed(const MachineChunk& c = SmallMachine()) { return PackMachineChunk(c); }

MachineRecords Read(const std::vector<uint32_t>& words, uint32_t assets = kAssets) {
    return ReadMachineChunk(words.data(), words.size(), assets);
}

// The refusal's text, or "read" when the chunk was taken.
std::string Refusal(const std::vector<uint32_t>& words, uint32_t assets = kAssets) {
    try {
        Read(words, assets);
    } catch (const MachineFileError& e) {
        return e.what();
    }
    return "read";
}

std::string RefusalWith(size_t word, uint32_t value) {
    std::vector<uint32_t> words = Packed();
    words[word] = value;
    return Refusal(words);
}

TEST(MachineChunkReading, EveryRecordComesBackAsPacked) {
    const MachineChunk c = SmallMachine();
    const MachineRecords m = Read(Packed(c));
    EXPECT_EQ(m.title, "Tin Lantern");
    EXPECT_EQ(m.reelCount, 2);
    EXPECT_EQ(m.stopCount, 3);
    EXPECT_EQ(m.symbolCount, 3);
    EXPECT_EQ(m.symbolWidth, 40);
    EXPECT_EQ(m.symbolHeight, 30);
    EXPECT_EQ(m.maxBet, 3);
    EXPECT_EQ(m.payLineCount, 1);
    EXPECT_EQ(m.backdrop, 2u);
    EXPECT_EQ(m.stripImage, 7u);
    EXPECT_EQ(m.denominationMask, 0x28u);
    EXPECT_EQ(m.coin.coinImage, 5u);
    EXPECT_EQ(m.coin.coinInRegion, 10u);
    EXPECT_EQ(m.coin.denominationRegion, 11u);
    EXPECT_EQ(m.coin.coinInImage, 6u);
    EXPECT_EQ(m.coin.billRegion, 12u);
    EXPECT_EQ(m.coin.slotX, 300);
    EXPECT_EQ(m.coin.slotY, 250);
    EXPECT_EQ(m.coin.coinSound, 9);
    EXPECT_EQ(m.coin.denominationIndicator, 1);
    EXPECT_EQ(m.progressiveIndicator, 0);

    ASSERT_EQ(m.strips.size(), 2u);
    for (size_t r = 0; r < 2; ++r) {
        ASSERT_EQ(m.strips[r].stops.size(), 3u);
        int64_t total = 0;
        for (size_t s = 0; s < 3; ++s) {
            EXPECT_EQ(m.strips[r].stops[s].symbol, c.stops[r * 3 + s].symbol);
            EXPECT_EQ(m.strips[r].stops[s].weight, c.stops[r * 3 + s].weight);
            total += c.stops[r * 3 + s].weight;
        }
        EXPECT_EQ(m.strips[r].weightTotal, total);
    }

    ASSERT_EQ(m.elements.size(), 2u);
    EXPECT_EQ(m.elements[0].name, "Spin");
    EXPECT_EQ(m.elements[0].image, 8u);
    EXPECT_EQ(m.elements[0].rect.left, -10);
    EXPECT_EQ(m.elements[0].rect.bottom, 360);
    EXPECT_EQ(m.elements[0].depth, 0x2345);  // the low 16 bits
    EXPECT_EQ(m.elements[0].hotKey, 'S');
    EXPECT_EQ(m.elements[0].hotKeyFlags, 4);
    EXPECT_EQ(m.elements[0].scriptlets, (std::vector<std::string>{"OnClick=Go()", "OnPress=x"}));
    ASSERT_NE(m.FindElement("##arm"), nullptr);
    EXPECT_EQ(m.FindElement("##arm")->rect.right, 640);

    ASSERT_EQ(m.reels.size(), 2u);
    EXPECT_EQ(m.reels[0].rect.top, 20);
    EXPECT_EQ(m.reels[0].rect.right, 50);
    EXPECT_EQ(m.reels[0].innerShadow, 48);
    EXPECT_EQ(m.reels[0].outerShadow, 12);
    EXPECT_EQ(m.reels[1].rect.left, 60);

    ASSERT_EQ(m.indicators.size(), 2u);
    EXPECT_EQ(m.indicators[0].name, "Jackpot");
    EXPECT_EQ(m.indicators[0].image, 9u);
    EXPECT_EQ(m.indicators[0].Digits(), 8);
    EXPECT_EQ(m.indicators[0].Rect().bottom, 400);
    EXPECT_EQ(m.indicators[0].Depth(), 75);
    EXPECT_TRUE(m.indicators[0].DollarSign());
    EXPECT_EQ(m.indicators[0].scriptlets, std::vector<std::string>{"OnUpdate=Cheer()"});
    EXPECT_EQ(m.indicators[1].image, 0u);

    EXPECT_EQ(m.payTable, c.payTable);
    ASSERT_EQ(m.animations.size(), 2u);
    EXPECT_EQ(m.animations[1].name, "Glow");
    EXPECT_EQ(m.animations[1].asset, 5u);
    ASSERT_EQ(m.regions.size(), 3u);
    EXPECT_EQ(m.regions[2].name, "Plate");
    EXPECT_EQ(m.regions[2].asset, 0u);
    EXPECT_EQ(m.sounds[0].name, "Drop");
    EXPECT_EQ(m.symbolNames, c.symbolNames);
    EXPECT_EQ(m.scriptCode, c.scriptCode);
    EXPECT_EQ(m.scriptCodeLine, 41);
    EXPECT_EQ(m.payoutLines, (std::vector<std::vector<int32_t>>{{12, 12, 13}}));
}

TEST(MachineChunkReading, ReelWindowRowsAndCentreStop) {
    // A window of 90 pixels over symbols of 30: four rows in view, stop 1 of 3 on the centre.
    const MachineRecords m = Read(Packed());
    EXPECT_EQ(m.visibleRows, 4);
    EXPECT_EQ(m.stopOffset, 1);
    EXPECT_EQ(VisibleReelRows(100, 30), 5);
    EXPECT_EQ(CentreStopOffset(100, 30, 20), 18);
    // A window lower than a symbol still gives a stop of the strip.
    EXPECT_EQ(CentreStopOffset(10, 100, 4), 3);
    for (int32_t window = 1; window < 400; window += 7) {
        const int32_t offset = CentreStopOffset(window, 30, 5);
        EXPECT_GE(offset, 0);
        EXPECT_LT(offset, 5);
    }
}

// A chunk that ends with its script code is one built before chunks carried the code's line:
// it is read, its code counting from line 1; one that ends with that line was built before
// chunks carried the payouts' lines, which it then lacks. Every other shorter one, and one
// with the lines of another number of payouts than its pay table has, is refused.
TEST(MachineChunkRefusals, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
    const std::vector<uint32_t> whole = Packed();
    const size_t payoutWords = 1 + 3;
    const size_t withCodeLine = whole.size() - payoutWords;
    const MachineRecords older = Read(std::vector<uint32_t>(whole.begin(), whole.end() - std::ptrdiff_t(payoutWords + 1)));
    EXPECT_EQ(older.scriptCode, "function Go() {}\n");
    EXPECT_EQ(older.scriptCodeLine, 1);
    const MachineRecords withoutPayoutLines = Read(std::vector<uint32_t>(whole.begin(), whole.begin() + std::ptrdiff_t(withCodeLine)));
    EXPECT_EQ(withoutPayoutLines.scriptCodeLine, 41);
    EXPECT_TRUE(withoutPayoutLines.payoutLines.empty());
    std::vector<uint32_t> miscounted = whole;
    miscounted[withCodeLine] = 2;
    miscounted.pop_back();
    EXPECT_EQ(Refusal(miscounted), "The machine chunk is damaged: the chunk gives the lines of 2 payouts for 3");
    for (size_t length = 0; length < whole.size(); ++length) {
        if (length == withCodeLine || length + 1 == withCodeLine) continue;
        // A chunk of its own size, so that a read past it is a fault of the reader.
        const std::vector<uint32_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(length));
        const std::string why = Refusal(cut);
        EXPECT_EQ(why.rfind("The machine chunk is damaged: ", 0), 0u) << length << ": " << why;
    }
}

TEST(MachineChunkRefusals, UnplayableMachinesNameTheirReason) {
    EXPECT_EQ(RefusalWith(H(1), 0), "The machine has no reels");
    EXPECT_EQ(RefusalWith(H(2), 0), "The machine's reels have no stops");
    EXPECT_EQ(RefusalWith(H(5), 0), "The machine's reel symbols have no height");
    EXPECT_EQ(RefusalWith(H(6), 0), "The machine takes no bet");
    EXPECT_EQ(RefusalWith(H(7), 6), "The machine has 6 pay lines; at most 5 can be played");
    EXPECT_EQ(RefusalWith(H(14), 0), "The machine accepts no denomination");
    // Bits above the table's sixteen are no denomination either.
    EXPECT_EQ(RefusalWith(H(14), 0xFFFF0000u), "The machine accepts no denomination");

    MachineChunk c = SmallMachine();
    c.stops[3].weight = c.stops[4].weight = c.stops[5].weight = 0;
    EXPECT_EQ(Refusal(Packed(c)), "Every stop of reel 1 has the weight 0");
    c = SmallMachine();
    c.reels[1] = {{60, 20, 60, 110, 0, 0}};
    EXPECT_EQ(Refusal(Packed(c)), "The window of reel 1 is empty");
}

TEST(MachineChunkRefusals, CountsAndNumbersOutOfRange) {
    const std::string damaged = "The machine chunk is damaged: ";
    // Counts that run past the end, also when they wrap 32 bits once multiplied.
    EXPECT_EQ(RefusalWith(H(1), 0x40000000), damaged + "it ends inside the reel strips");
    EXPECT_EQ(RefusalWith(H(2), 0x7FFFFFFF), damaged + "it ends inside the reel strips");
    EXPECT_EQ(RefusalWith(H(10), 0x0F0F0F0F), damaged + "it ends inside the element records");
    EXPECT_EQ(RefusalWith(H(10), 0xFFFFFFFF), damaged + "the element count is below 0");
    EXPECT_EQ(RefusalWith(H(3), 5000), damaged + "it ends inside the symbol names");
    EXPECT_EQ(RefusalWith(H(0), 59), damaged + "the header length 59 is outside the chunk");
    EXPECT_EQ(RefusalWith(H(0), 0xFFFFFFF0u), damaged + "the header length 4294967280 is outside the chunk");
    // Asset numbers beyond the file's assets.
    EXPECT_EQ(RefusalWith(H(9), 21), damaged + "The backdrop names asset 21 of a file with 20 assets");
    EXPECT_EQ(RefusalWith(H(9), 0), damaged + "The backdrop names asset 0 of a file with 20 assets");
    EXPECT_EQ(RefusalWith(H(16), 0x1000000), damaged + "The coin-in region names asset 16777216 of a file with 20 assets");
    EXPECT_EQ(RefusalWith(H(22), 0xFFFFFFFE), damaged + "The coin sound names asset -2 of a file with 20 assets");
    EXPECT_EQ(Refusal(Packed(), 8), damaged + "The coin-in region names asset 10 of a file with 8 assets");
    // Indicator positions past the indicator records.
    EXPECT_EQ(RefusalWith(H(19), 2), damaged + "The denomination indicator is indicator 2 of 2");
    EXPECT_EQ(RefusalWith(H(24), uint32_t(-2)), damaged + "The progressive indicator is indicator -2 of 2");
    // A strip stop showing a symbol the machine does not have, or a negative weight.
    std::vector<uint32_t> words = Packed();
    words[60 + 2 * 4] = 3;
    EXPECT_EQ(Refusal(words), damaged + "reel 1 shows symbol 3 of 3");
    words = Packed();
    words[60 + 2 * 4 + 1] = uint32_t(-1);
    EXPECT_EQ(Refusal(words), damaged + "reel 1 has a stop of weight below 0");
}

TEST(MachineChunkRefusals, StringsAndTablesPastTheEnd) {
    const std::string damaged = "The machine chunk is damaged: ";
    const size_t spin = 60 + 12;  // the first element record after the strips
    EXPECT_EQ(RefusalWith(spin + 16, 0x20000000), damaged + "it ends inside the scriptlets");
    EXPECT_EQ(RefusalWith(spin + 17, 0xFFFFFFF0u), damaged + "it ends inside a scriptlet");
    // A pay table whose symbols are not the machine's.
    MachineChunk c = SmallMachine();
    c.symbolNames = {"Bell", "Cherry"};
    c.stops = {{0, 2}, {1, 1}, {1, 3}, {1, 1}, {0, 0}, {1, 4}};
    EXPECT_EQ(Refusal(Packed(c)), damaged + "the pay table is not a valid pay table");
    // A name table whose count runs past the end.
    std::vector<uint32_t> words = Packed();
    size_t at = words.size();
    // The animation table's count sits after the pay table; find it by its first entry.
    for (size_t i = 0; i + 2 < words.size(); ++i)
        if (words[i] == 2 && words[i + 1] == 4 && words[i + 2] == 5) at = i;
    ASSERT_LT(at, words.size());
    words[at] = 0x7FFFFFFF;
    EXPECT_EQ(Refusal(words), damaged + "it ends inside the animation names");
}

}  // namespace

// Machine files built by vslc from scripts of the tests' own, loaded for play and compared
// record by record with the compiled script; hostile copies of them (a truncated chunk,
// counts and offsets past its end, zero reels, an empty mask, no chunk at all, ...) each
// refused with its reason while the program goes on loading good machines; the search for
// a machine file; the assets a loaded machine holds and gives back; machine numbers.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "CustomMachines.h"
#include "DenominationMask.h"
#include "EnginePictureProbe.h"
#include "InstallMachineScreens.h"
#include "MachineFile.h"
#include "MachineFileError.h"
#include "MachineScreen.h"
#include "MachineScript.h"
#include "MessageCollector.h"
#include "PayTable.h"
#include "Quor2_5.h"
#include "ScreenTable.h"
#include "ScreenWindow.h"
#include "SlotFiles.h"

namespace {

class MachineLoad : public ::testing::Test {
protected:
    void SetUp() override { slot_ = BuildSlot(files_, GlassHarbor(), "harbor.slot"); }

    // The refusal's text for a changed copy of the machine; "loaded" when it was taken.
    std::string Refusal(const SlotBytes& bytes) {
        const std::string path = bytes.Write(files_, "hostile" + std::to_string(++hostile_) + ".slot");
        try {
            MachineFile file(path);
        } catch (const MachineFileError& e) {
            const std::string text = e.what();
            // The text names the file first.
            EXPECT_EQ(text.rfind(path + ": ", 0), 0u) << text;
            return text.substr(path.size() + 2);
        }
        return "loaded";
    }

    MachineFiles files_;
    std::string slot_;
    int hostile_ = 0;
};

TEST_F(MachineLoad, EveryRecordMatchesTheCompiledScript) {
    // Compiled as the builder compiles it: with the pictures' sizes.
    MessageCollector sink;
    EnginePictureProbe probe;
    MachineScript script;
    script.SetPictureProbe(&probe);
    script.Compile(files_.Path("machine.vsl"), &sink, nullptr);
    ASSERT_TRUE(script.IsCompiled());
    MachineFile file(slot_);
    const MachineRecords& m = file.Records();

    EXPECT_EQ(m.title, "Glass Harbor");
    EXPECT_EQ(m.reelCount, 3);
    EXPECT_EQ(m.stopCount, 3);
    EXPECT_EQ(m.maxBet, script.GetMaxBet());
    EXPECT_EQ(m.payLineCount, 1);
    EXPECT_EQ(m.denominationMask, DenominationMask(script.GetDenominations()));
    EXPECT_EQ(m.denominationMask, 0x28u);
    EXPECT_EQ(m.symbolWidth, 16);
    EXPECT_EQ(m.symbolHeight, 12);
    ASSERT_EQ(m.symbolCount, script.GetSymbolCount());
    for (int32_t s = 0; s < m.symbolCount; ++s) EXPECT_EQ(m.symbolNames[size_t(s)], script.GetSymbol(s));

    for (int32_t r = 0; r < 3; ++r) {
        const ReelStrip& strip = script.GetReelStrip(r);
        for (int32_t s = 0; s < 3; ++s) {
            const StripStop& stop = m.strips[size_t(r)].stops[size_t(s)];
            EXPECT_EQ(m.symbolNames[size_t(stop.symbol)], strip[size_t(s)].symbol) << r << "," << s;
            EXPECT_EQ(stop.weight, strip[size_t(s)].weight);
        }
        const std::array<int32_t, 6> rect = script.CopyReelRect(r);
        const ReelRectRecord& reel = m.reels[size_t(r)];
        EXPECT_EQ((std::array<int32_t, 6>{reel.rect.left, reel.rect.top, reel.rect.right, reel.rect.bottom,
                                          reel.innerShadow, reel.outerShadow}),
                  rect);
    }
    EXPECT_EQ(m.strips[0].weightTotal, 4);  // Anchor, Bell 2, Gull
    EXPECT_EQ(m.strips[2].weightTotal, 5);  // Gull, Anchor, Bell 3

    for (const auto& entry : script.GetButtons()) {
        const ElementRecord* e = m.FindElement(entry.first);
        ASSERT_NE(e, nullptr) << entry.first;
        const ButtonPart& b = entry.second.button;
        EXPECT_EQ(e->rect.left, b.rectangle.left);
        EXPECT_EQ(e->rect.top, b.rectangle.top);
        EXPECT_EQ(e->rect.right, b.rectangle.right);
        EXPECT_EQ(e->rect.bottom, b.rectangle.bottom);
        EXPECT_EQ(e->depth, b.priority & 0xFFFF);
        EXPECT_EQ(e->hotKey, b.hotKey);
        EXPECT_EQ(e->hotKeyFlags, b.hotKeyFlags);
        EXPECT_EQ(e->scriptlets, b.scriptlets);
        EXPECT_NE(e->image, 0u);
    }
    ASSERT_NE(m.FindElement("##arm"), nullptr);
    EXPECT_EQ(m.FindElement("##arm")->hotKey, 'P');
    EXPECT_EQ(m.FindElement("Spin")->scriptlets, std::vector<std::string>{"OnClick=Go()"});

    const auto indicators = script.GetIndicators();
    ASSERT_EQ(m.indicators.size(), indicators.size());
    size_t i = 0;
    for (const auto& entry : indicators) {
        const IndicatorRecord& record = m.indicators[i++];
        const IndicatorPart& part = entry.second.indicator;
        EXPECT_EQ(record.name, entry.first);
        EXPECT_EQ(record.Digits(), part.digits);
        EXPECT_EQ(record.Rect().left, part.rectangle.left);
        EXPECT_EQ(record.Rect().bottom, part.rectangle.bottom);
        EXPECT_EQ(record.Depth(), part.priority);
        EXPECT_EQ(record.DollarSign(), part.dollarSign != 0);
        EXPECT_EQ(record.scriptlets, part.scriptlets);
    }
    // Bet, Credit, Denomination, Jackpot, WinnerPaid.
    EXPECT_EQ(m.coin.denominationIndicator, 2);
    EXPECT_EQ(m.progressiveIndicator, 3);
    EXPECT_EQ(m.coin.slotX, script.GetCoin().dropPosition.x);
    EXPECT_EQ(m.coin.slotY, script.GetCoin().dropPosition.y);
    EXPECT_NE(m.coin.coinImage, 0u);
    EXPECT_NE(m.coin.coinInRegion, 0u);
    EXPECT_NE(m.coin.coinSound, -1);

    PayTable expected;
    expected.Assign(script.GetPayouts(), m.symbolNames);
    EXPECT_EQ(m.payTable, expected);
    const auto regions = script.GetRegions();
    ASSERT_EQ(m.regions.size(), regions.size());
    for (const NamedAsset& region : m.regions) EXPECT_EQ(regions.count(region.name), 1u) << region.name;
    ASSERT_EQ(m.sounds.size(), 1u);
    EXPECT_EQ(m.sounds[0].name, "Horn");
    EXPECT_EQ(m.scriptCode, script.GetScriptCode());
    EXPECT_EQ(m.scriptCodeLine, script.GetScriptCodeLine());
    // all Bell 10, 20 and all Anchor * "Big()" stand on the script's lines 13 and 14.
    EXPECT_EQ(m.payoutLines, (std::vector<std::vector<int32_t>>{{13, 13}, {14, 14}}));
}

TEST_F(MachineLoad, AssetsAreHeldWhileLoadedAndTheFileClosedAfter) {
    uint32_t backdrop = 0;
    {
        MachineFile file(slot_);
        backdrop = file.Asset(file.Records().backdrop);
        EXPECT_EQ(file.GetArtHeight(), 150);  // back.bmp is 200 x 150
        // The lowest region edge: BillSlot at y 100, 8 high.
        EXPECT_EQ(file.GetLowestRegionEdge(), 108);
        EXPECT_GT(file.GetLastSpriteNumber(), 1u);
        EXPECT_GT(file.GetLoadCount(), file.Records().ReferencedAssets().size());
        QuorAssetInfo info = {};
        ASSERT_TRUE(GetAssetInfo(backdrop, &info));
        EXPECT_EQ(info.state, 3u);
        EXPECT_GE(info.loadCount, 1);
    }
    QuorAssetInfo info = {};
    EXPECT_FALSE(GetAssetInfo(backdrop, &info)) << "the file is still open";
}

TEST_F(MachineLoad, HostileFilesAreRefusedWithTheirReason) {
    const SlotBytes good(slot_);
    const std::string damaged = "The machine chunk is damaged: ";

    SlotBytes truncated = good;  // the chunk's data cut to half its length
    truncated.Set(truncated.ChunkHeader() + 4, good.ChunkBytes() / 2);
    EXPECT_EQ(Refusal(truncated).rfind(damaged, 0), 0u);

    SlotBytes counts = good;
    counts.Set(counts.H(10), 0x0F0F0F0F);
    EXPECT_EQ(Refusal(counts), damaged + "it ends inside the element records");
    counts = good;
    counts.Set(counts.H(2), 0x40000000);
    EXPECT_EQ(Refusal(counts), damaged + "it ends inside the reel strips");

    SlotBytes offset = good;
    offset.Set(offset.H(0), 0x7FFFFFF0);
    EXPECT_EQ(Refusal(offset), damaged + "the header length 2147483632 is outside the chunk");
    offset = good;
    offset.Set(offset.H(9), good.AssetCount() + 1);
    EXPECT_EQ(Refusal(offset), damaged + "The backdrop names asset " + std::to_string(good.AssetCount() + 1) +
                                   " of a file with " + std::to_string(good.AssetCount()) + " assets");
    offset = good;
    offset.Set(offset.H(9), offset.Get(offset.H(11)));  // the reel-strip sprite as backdrop
    EXPECT_EQ(Refusal(offset), "the backdrop is not a backdrop");

    uint32_t armSprite = 0;
    {
        MachineFile file(slot_);
        armSprite = file.Records().FindElement("##arm")->image;
    }
    SlotBytes strip = good;  // the arm's sprite, of one sequence, as the reels' strip
    strip.Set(strip.H(11), armSprite);
    EXPECT_EQ(Refusal(strip), "the reel-strip image has fewer sequences than the machine has symbols");
    strip.Set(strip.H(11), good.Get(good.H(9)));
    EXPECT_EQ(Refusal(strip), "the reel-strip image is not a sprite");

    SlotBytes zero = good;
    zero.Set(zero.H(1), 0);
    EXPECT_EQ(Refusal(zero), "The machine has no reels");
    zero = good;
    zero.Set(zero.H(5), 0);
    EXPECT_EQ(Refusal(zero), "The machine's reel symbols have no height");
    zero = good;
    zero.Set(zero.H(7), 6);
    EXPECT_EQ(Refusal(zero), "The machine has 6 pay lines; at most 5 can be played");
    zero = good;
    for (size_t s = 0; s < 3; ++s) zero.Set(zero.Word(60 + 2 * s + 1), 0);
    EXPECT_EQ(Refusal(zero), "Every stop of reel 0 has the weight 0");

    SlotBytes mask = good;
    mask.Set(mask.H(14), 0);
    EXPECT_EQ(Refusal(mask), "The machine accepts no denomination");

    SlotBytes missing = good;  // the chunk's kind is no longer "vsl0"
    missing.Set(missing.ChunkHeader(), 0x316C7376u);
    EXPECT_EQ(Refusal(missing), "the file holds no machine");

    SlotBytes directory = good;  // more assets claimed than the directory holds
    directory.Set(4, 0x01000000);
    EXPECT_EQ(Refusal(directory), "the file is not a machine file the game can open");

    SlotBytes cut = good;  // the file itself ends inside the chunk
    cut.bytes.resize(cut.ChunkHeader() + 12 + 100);
    EXPECT_EQ(Refusal(cut), "the machine chunk cannot be read");

    SlotBytes garbage = good;
    garbage.bytes.assign(40, 0x5A);
    EXPECT_EQ(Refusal(garbage), "the file is not a machine file the game can open");
    garbage.bytes.resize(6);
    EXPECT_EQ(Refusal(garbage), "the file is too short to be a machine file");

    // After all of them a good machine still loads.
    MachineFile file(slot_);
    EXPECT_EQ(file.Records().title, "Glass Harbor");
}

// Byte offset of the data of the region asset whose origin is (x, y); 0 when none is.
size_t RegionData(const SlotBytes& bytes, uint32_t x, uint32_t y) {
    const uint32_t kRegionKind = 0x6E676572u;  // "regn"
    for (uint32_t n = 0; n < bytes.AssetCount(); ++n) {
        const size_t header = bytes.Get(16 + 8 * n);
        if (bytes.Get(header) == kRegionKind && bytes.Get(header + 12) == x && bytes.Get(header + 16) == y)
            return header + 12;
    }
    return 0;
}

// A region's points are its origin plus its nodes: a file whose sum falls outside the
// 32-bit range is refused with the region's name; up to the range's end it loads.
TEST_F(MachineLoad, RegionsReachingBeyondTheScreensCoordinatesAreRefused) {
    const SlotBytes good(slot_);
    const size_t plate = RegionData(good, 150, 80);  // Plate: (0,0) (40,0) (40,10) (0,10)
    ASSERT_NE(plate, 0u);
    const std::string refusal = "the region Plate reaches beyond the coordinates the screen can use";
    SlotBytes moved = good;
    moved.Set(plate, uint32_t(INT32_MAX - 39));
    EXPECT_EQ(Refusal(moved), refusal);
    moved = good;
    moved.Set(plate + 4, uint32_t(INT32_MAX - 9));
    EXPECT_EQ(Refusal(moved), refusal);
    moved = good;  // a node moved above an origin above the screen
    moved.Set(plate + 4, uint32_t(-10));
    moved.Set(plate + 24 + 4, uint32_t(INT32_MIN));
    EXPECT_EQ(Refusal(moved), refusal);
    moved = good;  // the extreme values on both words of a node
    moved.Set(plate, uint32_t(INT32_MIN));
    moved.Set(plate + 24 + 8, uint32_t(INT32_MIN));
    moved.Set(plate + 24 + 12, uint32_t(INT32_MAX));
    EXPECT_EQ(Refusal(moved), refusal);
    // The coin slot's region is named too.
    moved = good;
    const size_t coinSlot = RegionData(good, 150, 40);
    ASSERT_NE(coinSlot, 0u);
    moved.Set(coinSlot + 4, uint32_t(INT32_MAX));
    EXPECT_EQ(Refusal(moved), "the region CoinSlot reaches beyond the coordinates the screen can use");

    SlotBytes edge = good;  // the right edge exactly at the range's end
    edge.Set(plate, uint32_t(INT32_MAX - 40));
    EXPECT_EQ(Refusal(edge), "loaded");
    MachineFile file(slot_);
    EXPECT_EQ(file.GetLowestRegionEdge(), 108);
}

TEST_F(MachineLoad, AFileFoundNowhereIsNamed) {
    try {
        MachineFile file("no_such_machine.slot");
        FAIL() << "loaded";
    } catch (const MachineFileError&) {
        FAIL() << "refused as damaged";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Can't find no_such_machine.slot");
    }
    EXPECT_THROW(MachineFile(""), std::runtime_error);
}

TEST_F(MachineLoad, AMachineInTheProgramFolderIsFoundFromElsewhere) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program);
    folder = folder.substr(0, folder.find_last_of("\\/") + 1);
    const std::string name = "machine_load_" + std::to_string(GetCurrentProcessId()) + ".slot";
    ASSERT_TRUE(CopyFileA(slot_.c_str(), (folder + name).c_str(), FALSE));
    char here[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, here);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    SetCurrentDirectoryA(temp);
    char inTemp[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, inTemp);
    std::string title, found;
    try {
        MachineFile file(name);
        title = file.Records().title;
        found = file.GetPath();
    } catch (...) {
    }
    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, after);
    SetCurrentDirectoryA(here);
    DeleteFileA((folder + name).c_str());
    EXPECT_EQ(title, "Glass Harbor");
    EXPECT_EQ(found, folder + name);
    // The load gives the current directory back.
    EXPECT_STREQ(after, inTemp);
}

TEST(MachineNumbers, BuiltInAndCustomMachinesByNumber) {
    EXPECT_EQ(MachineFileForNumber(5), "venus.slot");
    EXPECT_EQ(MachineFileForNumber(26), "gridirongold.slot");
    EXPECT_EQ(MachineFileForNumber(999), "rivirozav.ast");
    std::vector<CustomMachineEntry>& custom = GetCustomMachines();
    const std::vector<CustomMachineEntry> kept = custom;
    custom = {{"first.slot", kCustomMachine, "First"},
              {"other.ast", kKnownAssetFile, ""},
              {"second.slot", kCustomMachine, "Second"}};
    // Custom machines are counted among the entries of their kind only, from 1.
    EXPECT_EQ(MachineFileForNumber(-1), "first.slot");
    EXPECT_EQ(MachineFileForNumber(-2), "second.slot");
    EXPECT_EQ(MachineFileForNumber(-3), "rivirozav.ast");
    custom = kept;

    const ScreenMakers previous = GetScreenMakers();
    const ScreenWindowMakers previousWindows = GetScreenWindowMakers();
    InstallMachineScreens();
    EXPECT_TRUE(GetScreenMakers().isBuiltInMachine(5));
    EXPECT_FALSE(GetScreenMakers().isBuiltInMachine(1));
    EXPECT_NE(GetScreenMakers().machine, nullptr);
    EXPECT_NE(GetScreenWindowMakers().byFile, nullptr);
    EXPECT_NE(GetScreenWindowMakers().byNumber, nullptr);
    // The rest of the screen table stays.
    EXPECT_EQ(GetScreenMakers().table, previous.table);
    SetScreenMakers(previous);
    SetScreenWindowMakers(previousWindows);
}

}  // namespace

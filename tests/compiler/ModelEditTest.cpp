// Edits of a compiled machine: the values they store and the patches they queue, with the
// place each patch covers and the text it prints.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "CompileHelpers.h"
#include "MachineDescription.h"

namespace {

std::string ReadExample() { return ReadFileBytes(ExampleScriptDir() + "HarborLights.vsl"); }

class Edits : public ::testing::Test {
protected:
    void SetUp() override {
        text = ReadExample();
        ASSERT_FALSE(text.empty());
        md.Compile(ExampleScriptDir() + "HarborLights.vsl", &sink, nullptr);
        ASSERT_TRUE(md.IsCompiled());
    }

    // The text of the patch queued at a start position; fails when there is none.
    std::string TextAt(int32_t start, bool insert = false) {
        for (const PatchEntry& entry : md.GetPatches())
            if (entry.start == start && entry.insert == insert) return entry.patch->GetText();
        ADD_FAILURE() << "no patch at " << start;
        return "<none>";
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> out;
        for (const PatchEntry& entry : md.GetPatches()) out.push_back(entry.patch->GetText());
        return out;
    }

    std::string text;
    MachineDescription md;
    RecordingSink sink;
};

TEST_F(Edits, ReelStripStopsPatchTheirNameAndWeight) {
    ReelStrip strip = md.GetReelStrip(0);
    strip[0].symbol = "Wave";   // "Anchor 2" -> "Wave 2"
    strip[1].weight = 5;        // "Buoy" had no weight: inserted in front of Gull
    md.SetReelStrip(0, strip);
    EXPECT_EQ(md.GetReelStrip(0), strip);
    ASSERT_EQ(md.GetPatchCount(), 2u);
    const int32_t anchor = PositionOf(text, "Anchor 2 Buoy");
    EXPECT_EQ(TextAt(anchor), "Wave");
    EXPECT_EQ(md.GetPatches().front().end, anchor + 5);
    EXPECT_EQ(TextAt(PositionOf(text, "Gull Lantern Buoy"), true), "5");

    // The same values again queue nothing more; the patch prints the last value.
    strip[1].weight = 6;
    md.SetReelStrip(0, strip);
    EXPECT_EQ(md.GetPatchCount(), 2u);
    EXPECT_EQ(TextAt(PositionOf(text, "Gull Lantern Buoy"), true), "6");
    md.SetReelStrip(0, strip);
    EXPECT_EQ(md.GetPatchCount(), 2u);
}

TEST_F(Edits, AReelStripMustKeepItsLengthAndNameReelSymbols) {
    const ReelStrip before = md.GetReelStrip(1);
    ReelStrip shorter(before.begin(), before.end() - 1);
    EXPECT_THROW(md.SetReelStrip(1, shorter), std::invalid_argument);
    ReelStrip unknown = before;
    unknown[0].weight = 9;
    unknown[7].symbol = "Shark";
    EXPECT_THROW(md.SetReelStrip(1, unknown), std::invalid_argument);
    EXPECT_EQ(md.GetReelStrip(1), before) << "a refused strip changes nothing";
    EXPECT_FALSE(md.HasPatches());
}

TEST_F(Edits, SymbolsBackdropArmAndCoin) {
    ReelSymbol lantern = md.GetSymbolFile("Lantern");
    md.SetSymbol(3, lantern);
    EXPECT_FALSE(md.HasPatches()) << "an equal value queues nothing";
    lantern.files = {"a.bmp"};
    lantern.assetNumber = 3;
    lantern.index = 0;  // the stored definition index stays
    md.SetSymbol(3, lantern);
    EXPECT_EQ(md.GetSymbolFile("Lantern").index, 3);
    EXPECT_EQ(md.GetSymbolFile("Lantern").assetNumber, 3);
    EXPECT_EQ(md.GetReelSymbolSpans()[3].patch, md.GetPatches().back().patch.get());
    EXPECT_EQ(md.GetPatches().back().patch->GetText(), "\"a.bmp\",3");

    md.SetBackdrop("night.bmp");
    EXPECT_EQ(md.GetBackdropFile(), "night.bmp");
    EXPECT_EQ(md.GetPatches().back().patch->GetText(), "\"night.bmp\"");

    md.SetArmRect(ScriptRect());
    md.SetArmAnimation(AnimationReference());
    md.SetCoinAnimation(AnimationReference());
    md.SetCoinDropPosition(Point{0, 0});
    EXPECT_EQ(md.GetPatchCount(), 2u) << "unchanged values queue nothing";

    // The script has no Arm and no Coin statement: an edit of their values would have no
    // place in the text and be lost at the save, so it is refused and changes nothing.
    EXPECT_THROW(md.SetArmRect(ScriptRect{10, 20, 60, 220}), std::invalid_argument);
    AnimationReference pull;
    pull.animationName = "ArmPull";
    EXPECT_THROW(md.SetArmAnimation(pull), std::invalid_argument);
    EXPECT_THROW(md.SetCoinDropPosition(Point{5, -7}), std::invalid_argument);
    AnimationReference drop;
    drop.sequences = {{"drop1.bmp", "drop2.bmp"}};
    EXPECT_THROW(md.SetCoinDropAnimation(drop), std::invalid_argument);
    EXPECT_EQ(md.GetArmRect(), ScriptRect());
    EXPECT_EQ(md.GetArmAnimation().animationName, "");
    EXPECT_EQ(md.GetCoin().dropPosition.y, 0);
    EXPECT_EQ(md.GetCoin().coinDrop, AnimationReference());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"\"a.bmp\",3", "\"night.bmp\""}));
}

TEST_F(Edits, PayoutsPatchThePartsThatChanged) {
    ScriptPayTable table = md.GetPayouts();
    table.lines[1].payouts[1].amount = 150;                   // 50, 100, 200
    table.lines[2].kind = 0;                                  // BothWays Gull Gull any
    table.lines[4].items[0] = ScriptPayTable::PatternItem{0, {"Buoy", "Wave"}};
    table.lines[4].payouts[2].scriptlet = "BonusPayout(4)";   // same type and amount
    for (auto& item : table.lines[0].items) item.symbols = {"Anchor"};  // all Lantern
    table.lines[5].payouts = {{0, "", 3}, {0, "", 4}, {0, "", 6}};      // * 2
    md.SetPayouts(table);

    const auto& lines = md.GetPayouts().lines;
    EXPECT_EQ(lines[1].payouts[1].amount, 150);
    EXPECT_EQ(lines[2].kind, 0);
    EXPECT_EQ(lines[4].items[0].symbols, (std::vector<std::string>{"Buoy", "Wave"}));
    EXPECT_EQ(lines[4].payouts[2].scriptlet, "BonusPayout(4)");
    EXPECT_EQ(lines[0].items[2].symbols, (std::vector<std::string>{"Anchor"}));
    EXPECT_EQ(lines[5].payouts[2].amount, 6);

    ASSERT_EQ(md.GetPatchCount(), 6u);
    EXPECT_EQ(TextAt(PositionOf(text, "100, 200")), "150");
    EXPECT_EQ(TextAt(PositionOf(text, "BothWays")), "");
    EXPECT_EQ(TextAt(PositionOf(text, "[^Gull")), "[Buoy,Wave]");
    EXPECT_EQ(TextAt(PositionOf(text, "\"BonusPayout")), "\"BonusPayout(4)\"");
    EXPECT_EQ(TextAt(PositionOf(text, "all Lantern")), "all Anchor");
    EXPECT_EQ(TextAt(PositionOf(text, "* 2")), "    3, 4, 6");

    // Editing again goes through the patches already queued.
    table.lines[1].payouts[1].amount = 175;
    table.lines[5].payouts[0] = {1, "Big()", 0};
    md.SetPayouts(table);
    EXPECT_EQ(md.GetPatchCount(), 6u);
    EXPECT_EQ(TextAt(PositionOf(text, "100, 200")), "175");
    EXPECT_EQ(TextAt(PositionOf(text, "* 2")), "    \"Big()\", 4, 6");
}

TEST_F(Edits, PayoutLinesKeepTheirShape) {
    const ScriptPayTable before = md.GetPayouts();
    ScriptPayTable longer = before;
    longer.lines[0].payouts[0].amount = 1;  // would be patched, but another line is bad
    longer.lines[4].items.push_back(ScriptPayTable::PatternItem{2, {}});
    EXPECT_THROW(md.SetPayouts(longer), std::invalid_argument);
    ScriptPayTable fewerPayouts = before;
    fewerPayouts.lines[6].payouts.pop_back();
    EXPECT_THROW(md.SetPayouts(fewerPayouts), std::invalid_argument);
    ScriptPayTable fewerLines = before;
    fewerLines.lines.pop_back();
    EXPECT_THROW(md.SetPayouts(fewerLines), std::invalid_argument);
    EXPECT_FALSE(md.HasPatches());
    EXPECT_EQ(md.GetPayouts().lines[0].payouts[0].type, 1) << "nothing changed";

    // A pattern written as a whole and a "*" list may change length.
    ScriptPayTable whole = before;
    whole.lines[5].payouts.pop_back();
    md.SetPayouts(whole);
    EXPECT_EQ(md.GetPayouts().lines[5].payouts.size(), 2u);
    EXPECT_EQ(md.GetPatchCount(), 1u);
}

TEST_F(Edits, NewElementsAreInsertedAtTheEndOfTheArtBlock) {
    ButtonPart spin;
    spin.picture.sequences = {{"spin.bmp"}};
    spin.rectangle = ScriptRect{10, 20, 50, 40};
    spin.priority = 150;
    spin.scriptlets = {"OnClick=go()"};
    spin.definitionSpan = SourceSpan::Of(1, 2);  // a caller's copy brings no place
    ASSERT_TRUE(md.DefineButton("Turbo", spin));
    EXPECT_TRUE(md.IsDefined("Turbo"));
    ASSERT_EQ(md.GetButtons().size(), 5u);
    EXPECT_EQ(md.GetButtons().at("Turbo").button.rectangle, spin.rectangle);

    SoundPart chime;
    chime.file = "chime.wav";
    ASSERT_TRUE(md.DefineSound("Chime", chime));
    RegionPart slot;
    slot.region.originX = 3;
    slot.region.originY = 4;
    slot.region.vertices = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {5, 5}};
    ASSERT_TRUE(md.DefineRegion("Slot", slot));
    IndicatorPart credit;
    credit.rectangle = ScriptRect{7, 8, 69, 18};
    credit.digits = 6;
    credit.dollarSign = 1;
    ASSERT_TRUE(md.DefineIndicator("Lines", credit));

    ASSERT_EQ(md.GetPatchCount(), 4u);
    for (const PatchEntry& entry : md.GetPatches()) {
        EXPECT_EQ(entry.start, md.GetArtInsertionPoint());
        EXPECT_EQ(entry.end, md.GetArtInsertionPoint());
        EXPECT_TRUE(entry.insert);
    }
    EXPECT_EQ(text[md.GetArtInsertionPoint() - 1], '}');
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{
                  "  Button Turbo { { { \"spin.bmp\" }\n      } = 10,20 Priority=150  "
                  "OnClick=\"go()\"\n        }\n",
                  "  Sound Chime  { \"chime.wav\"  }\n",
                  "  Region Slot\n  { 3,4\n    { (0,0) (1,0) (1,1) (0,1)\n      (5,5) \n    }\n  }\n",
                  "  Indicator Lines { = 7 , 8 , 62 x 10 Digits=6 DollarSign Priority=75   }\n"}));

    // Names already in use, by any kind, are refused and queue nothing.
    EXPECT_FALSE(md.DefineButton("Turbo", spin));
    EXPECT_FALSE(md.DefineSound("Turbo", chime));
    EXPECT_FALSE(md.DefineRegion("Chime", slot));
    EXPECT_FALSE(md.DefineIndicator("Slot", credit));
    EXPECT_EQ(md.GetPatchCount(), 4u);
}

TEST_F(Edits, EditsOfANewElementArePrintedByItsDefinition) {
    ButtonPart button;
    button.rectangle = ScriptRect{1, 2, 3, 4};
    ASSERT_TRUE(md.DefineButton("Lever", button));
    button.priority = 99;
    button.hotKey = 'L';
    button.rectangle = ScriptRect{5, 6, 7, 8};
    md.SetButton("Lever", button);
    EXPECT_TRUE(md.RenameElement("Lever", "Handle"));
    ASSERT_EQ(md.GetPatchCount(), 1u);
    EXPECT_EQ(Texts()[0], "  Button Handle { 5,6 Priority=99 HotKey = \"L\"   }\n");
    EXPECT_EQ(md.GetButtons().at("Lever").button.hotKey, 'L');
    EXPECT_TRUE(md.IsDefined("Lever")) << "the table keeps the old name until a compile";
    EXPECT_FALSE(md.IsDefined("Handle"));

    // Deleting it after all means it is not written.
    md.DeleteElement("Lever");
    ASSERT_EQ(md.GetPatchCount(), 1u);
    EXPECT_EQ(Texts()[0], "");
    md.SetButton("Lever", ButtonPart());
    EXPECT_EQ(Texts()[0], "");
}

// Elements placed as the Art statements place them, with the places of their values.
class PlacedElements : public Edits {
protected:
    void SetUp() override {
        Edits::SetUp();
        ButtonPart button;
        button.definitionSpan = SourceSpan::Of(100, 160);
        button.nameSpan = SourceSpan::Of(107, 112);
        button.positionSpan = SourceSpan::Of(120, 124);
        button.prioritySpan = SourceSpan::InsertAt(126);
        button.hotKeySpan = SourceSpan::Of(140, 142);
        button.hotKeyAbsent = false;
        button.hotKeyFlagsSpan = SourceSpan::InsertAt(126);
        ASSERT_TRUE(md.Symbols().DefineButton("BetHalf", button));

        IndicatorPart indicator;
        indicator.definitionSpan = SourceSpan::Of(200, 260);
        indicator.rectangleSpan = SourceSpan::Of(210, 230);
        indicator.digitsSpan = SourceSpan::InsertAt(232);
        indicator.prioritySpan = SourceSpan::Of(240, 241);
        indicator.priorityAbsent = false;
        indicator.dollarSignSpan = SourceSpan::InsertAt(232);
        ASSERT_TRUE(md.Symbols().DefineIndicator("Meter", indicator));

        RegionPart region;
        region.region.vertices = {{0, 0}, {10, 0}, {10, 10}};
        region.originSpan = SourceSpan::Of(300, 304);
        region.pointListSpan = SourceSpan::Of(310, 340);
        region.pointSpans = {SourceSpan::Of(310, 315), SourceSpan::Of(317, 323),
                             SourceSpan::Of(325, 331)};
        region.hotKeySpan = SourceSpan::InsertAt(342);
        ASSERT_TRUE(md.Symbols().DefineRegion("CoinIn", region));

        SoundPart sound;
        sound.file = "coin.wav";
        sound.entrySpan = SourceSpan::Of(400, 410);
        ASSERT_TRUE(md.Symbols().DefineSound("Clink", sound));
    }
};

TEST_F(PlacedElements, ButtonClausesAreInsertedOrReplaced) {
    ButtonPart button = md.GetButtons().at("BetHalf").button;
    button.priority = 5;
    button.hotKey = 'x';
    button.hotKeyFlags = HotKeyShift | HotKeyCtrl;
    button.rectangle = ScriptRect{1, 2, 30, 40};
    md.SetButton("BetHalf", button);
    // Both clauses that were not written go in front of the same token, flags first.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1,2", "HotKey = \"x\"",
                                                  "HotKeyFlags = SHIFT|CTRL", "Priority=5"}));
    EXPECT_EQ(TextAt(140), "HotKey = \"x\"") << "a written clause is rewritten whole";

    EXPECT_TRUE(md.RenameElement("BetHalf", "BetHalf"));
    EXPECT_EQ(md.GetPatchCount(), 4u);
    EXPECT_TRUE(md.RenameElement("BetHalf", "BetSome"));
    EXPECT_EQ(TextAt(107), "BetSome");
    md.DeleteElement("BetHalf");
    EXPECT_EQ(TextAt(100), "");
    EXPECT_EQ(md.GetPatches().back().end, 160);
}

TEST_F(PlacedElements, IndicatorClauses) {
    IndicatorPart indicator = md.GetIndicators().at("Meter").indicator;
    indicator.digits = 4;
    indicator.priority = 80;
    indicator.dollarSign = 1;
    indicator.rectangle = ScriptRect{109, 403, 177, 570};
    md.SetIndicator("Meter", indicator);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"= 109 , 403 , 68 x 167", "Digits=4", "80",
                                                  "DollarSign"}));
}

TEST_F(PlacedElements, RegionPointsAndHotKey) {
    RegionPart region = md.GetRegions().at("CoinIn").region;
    region.region.vertices[1] = Point{7, 8};
    region.hotKey = 'c';
    md.SetRegion("CoinIn", region);
    EXPECT_EQ(TextAt(317), "(7,8)");
    EXPECT_EQ(TextAt(342, true), "HotKey = \"c\"");

    region.region.originX = 9;
    region.region.vertices.push_back(Point{0, 10});
    md.SetRegion("CoinIn", region);
    EXPECT_EQ(TextAt(300), "9,0");
    EXPECT_EQ(TextAt(310), "(0,0) (7,8) (10,10) (0,10)\n      ");

    // The list's patch now prints every point; points queue nothing of their own.
    const uint32_t count = md.GetPatchCount();
    region.region.vertices[0] = Point{1, 1};
    region.region.vertices[2] = Point{2, 2};
    md.SetRegion("CoinIn", region);
    EXPECT_EQ(md.GetPatchCount(), count);
    EXPECT_EQ(TextAt(310), "(1,1) (7,8) (2,2) (0,10)\n      ");
    EXPECT_EQ(md.GetRegions().at("CoinIn").region.region.vertices.size(), 4u);
}

TEST_F(PlacedElements, SoundsCompareEveryValue) {
    SoundPart sound = md.GetSounds().at("Clink").sound;
    md.SetSound("Clink", sound);
    EXPECT_FALSE(md.HasPatches());
    sound.compressed = true;
    md.SetSound("Clink", sound);
    EXPECT_TRUE(md.GetSounds().at("Clink").sound.compressed);
    EXPECT_EQ(TextAt(400), "\"coin.wav\" Compressed") << "the flag alone is an edit";
    sound.assetNumber = 2;
    md.SetSound("Clink", sound);
    EXPECT_EQ(TextAt(400), "\"coin.wav\", 2 Compressed");
    EXPECT_THROW(md.SetSound("Meter", sound), std::invalid_argument) << "an Indicator";
}

TEST_F(Edits, DiscardingPatches) {
    md.SetBackdrop("a.bmp");
    md.DiscardPatches(false);
    EXPECT_EQ(md.GetPatchCount(), 1u);
    md.DiscardPatches(true);
    EXPECT_FALSE(md.HasPatches());
    EXPECT_TRUE(md.GetPatches().empty());
    // An edit after a discard queues afresh.
    md.SetBackdrop("b.bmp");
    ASSERT_EQ(md.GetPatchCount(), 1u);
    EXPECT_EQ(Texts()[0], "\"b.bmp\"");
}

}  // namespace

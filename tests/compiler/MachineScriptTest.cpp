// The MachineScript handle over a compiled example machine: every query answers what the
// script says, and indexes and names outside the machine are refused.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "CompileHelpers.h"
#include "MachineScript.h"
#include "PayTable.h"

namespace {

const std::string kExample = "HarborLights.vsl";

class CountingProbe : public PictureProbe {
public:
    PictureSize GetBitmapFileSize(const std::string& path) override {
        bitmaps.push_back(path);
        return PictureSize{40, 30};
    }
    PictureSize GetAssetFrameSize(const std::string& file, int32_t number) override {
        assets.push_back(file + "#" + std::to_string(number));
        return PictureSize{64, 48};
    }
    std::vector<std::string> bitmaps;
    std::vector<std::string> assets;
};

class ExampleScript : public ::testing::Test {
protected:
    void SetUp() override {
        script.Compile(ExampleScriptDir() + kExample, &sink, nullptr);
        ASSERT_TRUE(script.IsCompiled()) << (sink.messages.empty() ? "" : sink.messages[0]);
    }
    MachineScript script;
    RecordingSink sink;
};

TEST(MachineScriptHandle, AFreshHandleIsEmpty) {
    MachineScript script;
    EXPECT_FALSE(script.IsCompiled());
    EXPECT_FALSE(script.HasPatches());
    EXPECT_EQ(script.GetReelCount(), 0);
    EXPECT_EQ(script.GetSymbolCount(), 0);
    EXPECT_THROW(script.GetReelStrip(0), std::out_of_range);
    EXPECT_THROW(script.GetSymbol(0), std::out_of_range);
    EXPECT_EQ(script.LoadSymbolImage(), (PictureSize{0, 0}));
    EXPECT_FALSE(script.WriteScript("fresh_handle.vsl")) << "nothing to write from";
    EXPECT_NE(script.GetWriteError(), "");
}

TEST_F(ExampleScript, HeaderQueries) {
    EXPECT_EQ(script.GetTitle(), "Harbor Lights");
    EXPECT_EQ(script.GetReelCount(), 3);
    EXPECT_EQ(script.GetStopCount(), 8);
    EXPECT_EQ(script.GetPayLineCount(), 1);
    EXPECT_EQ(script.GetMaxBet(), 3);
    EXPECT_EQ(script.GetDenominations(), (std::vector<Money>{Money(25), Money(100), Money(500)}));
    const ProgressiveSettings progressive = script.GetProgressive();
    EXPECT_DOUBLE_EQ(progressive.initial, 1000.0);
    EXPECT_DOUBLE_EQ(progressive.increment, 0.05);
    EXPECT_EQ(progressive.indicator, "Jackpot");
    EXPECT_EQ(script.GetScriptCode().substr(0, 26), "function JackpotPayout() {");

    const ReelStrip& third = script.GetReelStrip(2);
    ASSERT_EQ(third.size(), 8u);
    EXPECT_EQ(third[0], (StripEntry{"Gull", 1}));
    EXPECT_EQ(third[4], (StripEntry{"Wave", 1}));
    EXPECT_EQ(script.GetReelStrip(1)[2], (StripEntry{"Gull", 3}));

    ASSERT_EQ(script.GetSymbolCount(), 5);
    EXPECT_EQ(script.GetSymbol(0), "Anchor");
    EXPECT_EQ(script.GetSymbol(4), "Wave");
    EXPECT_EQ(script.GetSymbolFile("Gull").index, 2);
    EXPECT_EQ(script.GetSymbolFile("Gull").assetNumber, 0);

    const ScriptPayTable& payouts = script.GetPayouts();
    ASSERT_EQ(payouts.lines.size(), 7u);
    EXPECT_EQ(payouts.joker, "Lantern");
    EXPECT_EQ(payouts.payoutMode, PayoutMode::HighestValue);
    EXPECT_EQ(payouts.lines[1].payouts[2].amount, 200);
}

TEST_F(ExampleScript, TheBuilderTurnsThePayoutsIntoThePayTable) {
    // As the builder does: the symbol list in name order, then the script-form table.
    std::vector<std::string> names;
    for (int32_t i = 0; i < script.GetSymbolCount(); ++i) names.push_back(script.GetSymbol(i));
    PayTable table;
    table.Assign(script.GetPayouts(), names);
    EXPECT_EQ(table.GetLineCount(), 7);
    EXPECT_EQ(table.GetWild(), 3) << "Lantern";
    EXPECT_EQ(table.GetMode(), PayTable::HighestValue);
    EXPECT_EQ(table.GetLines()[3].items[0].symbols, (std::vector<int32_t>{1, 4}));

    PayTable::Payout payout;
    int32_t line = -1;
    // Anchor Anchor Gull: only "any 2 Anchor" fits, at 2 coins per coin bet.
    ASSERT_TRUE(table.FindWinningLine({0, 0, 2}, 2, payout, line));
    EXPECT_EQ(line, 5);
    EXPECT_EQ(payout.amount, 4);
    // Gull Gull Wave read right to left still pays the BothWays line; the wild Lantern
    // stands in for the second Gull.
    ASSERT_TRUE(table.FindWinningLine({4, 3, 2}, 3, payout, line));
    EXPECT_EQ(line, 2);
    EXPECT_EQ(payout.amount, 15);
}

TEST_F(ExampleScript, ArtValues) {
    EXPECT_EQ(script.GetBackdropFile(), "harbor.bmp");
    EXPECT_EQ(script.CopyReelRect(0), (std::array<int32_t, 6>{40, 120, 136, 320, 10, 40}));
    EXPECT_EQ(script.CopyReelRect(2), (std::array<int32_t, 6>{248, 120, 344, 320, 0, 0}));
    EXPECT_EQ(script.GetArmRect(), ScriptRect()) << "no Arm";
    EXPECT_FALSE(script.GetArmAnimation().HasPictures());
    EXPECT_EQ(script.GetCoin().insertionRegion, "");
    const auto buttons = script.GetButtons();
    ASSERT_EQ(buttons.size(), 4u);
    EXPECT_EQ(buttons.at("BetOne").button.hotKey, '1');
    EXPECT_EQ(buttons.at("Spin").button.picture.sequences,
              (std::vector<std::vector<std::string>>{{"spin1.bmp", "spin2.bmp"}}));
    EXPECT_TRUE(buttons.at("Spin").button.picture.transparent);
    const auto indicators = script.GetIndicators();
    ASSERT_EQ(indicators.size(), 4u);
    EXPECT_EQ(indicators.at("Jackpot").indicator.rectangle, (ScriptRect{280, 20, 370, 34}));
    EXPECT_TRUE(indicators.at("Jackpot").indicator.dollarSign);
    EXPECT_TRUE(script.GetSounds().empty());
    EXPECT_TRUE(script.GetRegions().empty());
    EXPECT_TRUE(script.GetAnimations().empty());
    EXPECT_TRUE(script.IsDefined("ReelTop"));
    EXPECT_FALSE(script.HasPatches());
}

TEST_F(ExampleScript, IndexesAndNamesOutsideTheMachineAreRefused) {
    EXPECT_THROW(script.GetReelStrip(3), std::out_of_range);
    EXPECT_THROW(script.GetReelStrip(-1), std::out_of_range);
    EXPECT_THROW(script.GetSymbol(5), std::out_of_range);
    EXPECT_THROW(script.GetSymbol(-1), std::out_of_range);
    EXPECT_THROW(script.GetSymbolFile("Shark"), std::invalid_argument);
    EXPECT_THROW(script.GetReelPosition(3), std::out_of_range);
    EXPECT_THROW(script.CopyReelRect(7), std::out_of_range);
    EXPECT_THROW(script.SetReelStrip(3, ReelStrip(8)), std::out_of_range);
    EXPECT_THROW(script.SetSymbol(5, ReelSymbol()), std::out_of_range);
    EXPECT_THROW(script.SetReelRect(3, ScriptRect()), std::out_of_range);
    EXPECT_THROW(script.SetButton("Lever", ButtonPart()), std::invalid_argument);
    EXPECT_THROW(script.SetButton("Window", ButtonPart()), std::invalid_argument) << "a Rectangle";
    EXPECT_THROW(script.SetSound("Jackpot", SoundPart()), std::invalid_argument);
    EXPECT_THROW(script.SetAnimationFiles("Wave", AnimationReference()), std::invalid_argument);
    EXPECT_THROW(script.RenameElement("Lever", "Go"), std::invalid_argument);
    EXPECT_THROW(script.DeleteElement("ReelTop"), std::invalid_argument);
    EXPECT_FALSE(script.HasPatches());
}

TEST_F(ExampleScript, SymbolPictureGoesThroughTheProbe) {
    CountingProbe probe;
    script.SetPictureProbe(&probe);
    EXPECT_EQ(script.LoadSymbolImage(), (PictureSize{40, 30}));
    EXPECT_EQ(probe.bitmaps, (std::vector<std::string>{"anchor.bmp"}));

    ReelSymbol anchor = script.GetSymbolFile("Anchor");
    anchor.files = {"anchor3.bmp", "anchor2.bmp"};
    script.SetSymbol(0, anchor);
    EXPECT_EQ(script.LoadSymbolImage(), (PictureSize{40, 30}));
    EXPECT_EQ(probe.bitmaps, (std::vector<std::string>{"anchor.bmp", "anchor3.bmp"}));

    anchor.files = {"symbols.ast"};
    anchor.assetNumber = 4;
    script.SetSymbol(0, anchor);
    EXPECT_EQ(script.LoadSymbolImage(), (PictureSize{64, 48}));
    EXPECT_EQ(probe.assets, (std::vector<std::string>{"symbols.ast#4"}));
    EXPECT_EQ(script.GetSymbolFile("Anchor").files, anchor.files);
}

TEST_F(ExampleScript, CompilingAgainKeepsTheDescriptionAndDropsItsEdits) {
    script.SetBackdrop("night.bmp");
    ASSERT_TRUE(script.HasPatches());
    script.DiscardPatches(false);
    EXPECT_TRUE(script.HasPatches());
    script.DiscardPatches(true);  // saved: still written, no longer pending
    EXPECT_FALSE(script.HasPatches());
    script.Compile(ExampleScriptDir() + kExample, &sink, nullptr);
    EXPECT_TRUE(script.IsCompiled());
    EXPECT_FALSE(script.HasPatches());
    EXPECT_EQ(script.GetBackdropFile(), "harbor.bmp");
    ScriptFile out("");
    ASSERT_TRUE(script.WriteScript(out.Path()));
    EXPECT_EQ(ReadFileBytes(out.Path()), ReadFileBytes(ExampleScriptDir() + kExample))
        << "a compile drops saved edits too";
}

TEST(MachineScriptHandle, AMachineWithoutArtOrOptionalSections) {
    MachineScript script;
    RecordingSink sink;
    script.Compile(ExampleScriptDir() + "CopperMill.vsl", &sink, nullptr);
    // Read whole, but without its Art block the machine cannot be played.
    EXPECT_FALSE(script.IsCompiled());
    ASSERT_EQ(sink.messages.size(), 14u);
    EXPECT_EQ(sink.messages[0], "Backdrop file required\n");
    EXPECT_EQ(sink.messages[11], "Valve reel symbol files required\n");
    EXPECT_EQ(sink.messages[13], "13 Warnings\n");
    EXPECT_EQ(script.GetTitle(), "Copper Mill");
    EXPECT_EQ(script.GetReelCount(), 4);
    EXPECT_EQ(script.GetStopCount(), 5);
    EXPECT_EQ(script.GetPayLineCount(), 3);
    EXPECT_EQ(script.GetMaxBet(), 2);
    EXPECT_TRUE(script.GetDenominations().empty());
    EXPECT_EQ(script.GetProgressive().indicator, "");
    EXPECT_EQ(script.GetPayouts().joker, "");
    EXPECT_EQ(script.GetPayouts().payoutMode, PayoutMode::BestMatch);
    EXPECT_EQ(script.GetReelStrip(3)[4], (StripEntry{"Cog", 1}));
    EXPECT_EQ(script.GetReelStrip(2)[2], (StripEntry{"Cog", 4}));
    ASSERT_EQ(script.GetSymbolCount(), 4);
    EXPECT_EQ(script.GetSymbol(1), "Gear");
    EXPECT_EQ(script.GetSymbolFile("Valve").index, 3);
    const auto& lines = script.GetPayouts().lines;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].payouts[0].scriptlet, "MillBonus()");
    EXPECT_EQ(lines[1].payouts[1].amount, 30);
    EXPECT_EQ(lines[2].payouts[1].amount, 12);
    EXPECT_EQ(script.GetScriptCode().substr(0, 14), "var turns = 0;");

    // Without an Art block there is no place for a new definition.
    EXPECT_THROW(script.DefineSound("Clank", SoundPart()), std::invalid_argument);
    EXPECT_FALSE(script.IsDefined("Clank"));
    EXPECT_FALSE(script.HasPatches());
}

}  // namespace

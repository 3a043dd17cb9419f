// The script texts that edited values are written as.
#include <gtest/gtest.h>

#include <string>

#include "FixedTextPatches.h"
#include "MachineDescription.h"

namespace {

TEST(ValueTexts, AnimationReferences) {
    MachineDescription md;
    AnimationReference ref;
    ref.sequences = {{"a.bmp"}, {"b.bmp"}};
    ref.transparent = true;
    ref.horizontalHotSpot = 0;
    ref.verticalHotSpot = 1;
    EXPECT_EQ(md.FormatAnimationRef(ref),
              "{ { \"a.bmp\" }\n      { \"b.bmp\" }\n       Transparent HotSpot=(center,top)}");
    ref.verticalHotSpot = 0;
    ref.transparent = false;
    ref.sequences = {{"a.bmp"}};
    ref.scriptlets = {"OnClick=Spin()"};
    EXPECT_EQ(md.FormatAnimationRef(ref),
              "{ { \"a.bmp\" }\n       HotSpot=(center,center) OnClick=\"Spin()\"\n      }");

    AnimationReference library;
    library.sequences = {{"art.ast"}};
    library.libraryAsset = 12;
    library.transparent = true;
    EXPECT_EQ(md.FormatAnimationRef(library), "{\"art.ast\",12 Transparent}")
        << "what follows the files is kept in the library form too";
    library.animationName = "Flash";
    EXPECT_EQ(md.FormatAnimationRef(library), "Flash");

    AnimationReference other = library;
    EXPECT_EQ(other, library);
    other.span = SourceSpan::Of(3, 9);
    EXPECT_EQ(other, library) << "places are not values";
    other.libraryAsset = 13;
    EXPECT_NE(other, library);
}

TEST(ValueTexts, RectanglesPointsKeysAndSounds) {
    MachineDescription md;
    EXPECT_EQ(md.FormatRect(ScriptRect{109, 403, 177, 570}), "= 109 , 403 , 68 x 167");
    EXPECT_EQ(md.FormatPlacement(ScriptRect{-4, 7, 0, 0}), "-4,7");
    EXPECT_EQ(md.FormatPoint(Point{12, -3}), "12,-3");
    EXPECT_EQ(md.FormatHotKeyFlagsValue(7), "SHIFT|CTRL|ALT");
    EXPECT_EQ(md.FormatHotKeyFlagsValue(5), "SHIFT|ALT");
    EXPECT_EQ(md.FormatHotKeyFlagsValue(3), "CTRL|ALT");
    EXPECT_EQ(md.FormatHotKeyFlags(0), "") << "no flags: no clause";
    EXPECT_EQ(md.FormatHotKey(0), "");
    EXPECT_EQ(md.FormatHotKey(200), "HotKey = 200");
    EXPECT_EQ(md.FormatHotKey('s'), "HotKey = \"s\"");
    EXPECT_EQ(md.FormatDigits(-2), "Digits=-2");
    EXPECT_EQ(md.FormatDollarSign(0), "");

    SoundPart sound;
    sound.file = "clink.wav";
    sound.compressed = true;
    EXPECT_EQ(md.FormatSoundEntry(sound), "\"clink.wav\" Compressed");
    sound.compressed = false;
    sound.assetNumber = 4;
    EXPECT_EQ(md.FormatSoundEntry(sound), "\"clink.wav\", 4");

    ReelSymbol symbol;
    symbol.files = {"a.bmp", "b.bmp"};
    EXPECT_EQ(md.FormatReelSymbol(symbol), "\"a.bmp\" \"b.bmp\"");
    symbol.assetNumber = 3;
    EXPECT_EQ(md.FormatReelSymbol(symbol), "\"a.bmp\",3");
}

TEST(ValueTexts, PayoutLineParts) {
    using Item = ScriptPayTable::PatternItem;
    EXPECT_EQ(FormatPatternItem(Item{2, {}}), "[any]");
    EXPECT_EQ(FormatPatternItem(Item{2, {"A", "B"}}), "[^A,B]");
    EXPECT_EQ(FormatPatternItem(Item{0, {"A"}}), "A");
    EXPECT_EQ(FormatPatternItem(Item{0, {"A", "B"}}), "[A,B]");
    EXPECT_EQ(FormatPatternItem(Item{1, {"A"}}), "");

    ScriptPayTable::PayoutLine line;
    line.items = {Item{1, {"Bell"}}, Item{1, {"Bell"}}, Item{2, {}}};
    EXPECT_EQ(FormatPayLine(line), "any 2 Bell");
    line.kind = 1;
    line.items = {Item{0, {"Bell"}}, Item{0, {"Bell"}}, Item{0, {"Bell"}}};
    EXPECT_EQ(FormatPayLine(line), "BothWays Bell Bell Bell") << "all cannot follow BothWays";
    line.kind = 0;
    EXPECT_EQ(FormatPayLine(line), "all Bell");
    line.kind = 1;
    line.kind = 0;
    line.items[2] = Item{2, {}};
    EXPECT_EQ(FormatPayLine(line), "Bell Bell [any]");

    EXPECT_EQ(FormatPayoutList({{0, "", 12345}, {1, "Pay()", 0}}), "12345, \"Pay()\"");
    EXPECT_EQ(FormatPayoutList({{0, "", 7}}), "    7");
}

}  // namespace

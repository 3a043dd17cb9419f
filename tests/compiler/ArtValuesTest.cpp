// What the scene and control statements of the Art block store, and where the values
// stand in the script.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CompileHelpers.h"

namespace {

using Files = std::vector<std::vector<std::string>>;

TEST(ArtScene, RectanglesAndReelPositions) {
    CompiledArt c(
        "Constant W = 30\n"
        "Rectangle Sized = 10 20 W x 40 Rectangle Cornered = 10 20 30 40\n"
        "ReelPosition 0 = 109, 403, 68 x 167 Shadow 40 10\n"
        "ReelPosition 1 = 109, 403, 177, 570 NoShadow\n"
        "ReelPosition 2 Sized\n");
    ScriptRect rect;
    ASSERT_TRUE(c.md.Symbols().GetRectangle("Sized", rect));
    EXPECT_EQ(rect, (ScriptRect{10, 20, 40, 60}));
    ASSERT_TRUE(c.md.Symbols().GetRectangle("Cornered", rect));
    EXPECT_EQ(rect, (ScriptRect{10, 20, 30, 40}));

    ASSERT_EQ(c.md.GetReelPositions().size(), 3u);
    const ReelPosition& first = c.md.GetReelPosition(0);
    EXPECT_EQ(first.rectangle, (ScriptRect{109, 403, 177, 570}));
    EXPECT_EQ(first.outerDensity, 40);
    EXPECT_EQ(first.innerDensity, 10);
    ExpectSpan(first.rectangleSpan, c.At("= 109"), c.At("167") + 2);
    ExpectSpan(first.outerSpan, c.At("40 10"), c.At("40 10") + 1);
    ExpectSpan(first.innerSpan, c.At("10\n"), c.At("10\n") + 1);
    const ReelPosition& second = c.md.GetReelPosition(1);
    EXPECT_EQ(second.rectangle, first.rectangle) << "right and bottom after commas";
    EXPECT_EQ(second.outerDensity, 0);
    ExpectSpan(second.innerSpan, 0, 0);
    EXPECT_EQ(c.md.GetReelPosition(2).rectangle, (ScriptRect{10, 20, 40, 60}));
    ExpectSpan(c.md.GetReelPosition(2).rectangleSpan, c.At("Sized\n"), c.At("Sized\n") + 4);
}

TEST(ArtScene, ARepeatedRectangleKeepsTheFirstAndIsReported) {
    CompiledArt c("Rectangle R = 1 2 3 4\nRectangle R = 5 6 7 8\n");
    ScriptRect rect;
    ASSERT_TRUE(c.md.Symbols().GetRectangle("R", rect));
    EXPECT_EQ(rect, (ScriptRect{1, 2, 3, 4}));
    ASSERT_FALSE(c.sink.messages.empty());
    EXPECT_EQ(c.sink.messages[0], "Line 13:R is already defined; this definition is ignored\n");
    EXPECT_FALSE(c.md.IsCompiled());
}

TEST(ArtScene, BackdropAndSymbols) {
    CompiledArt c(
        "Backdrop \"old.bmp\" Backdrop \"room.ast\", 2 + 1\n"
        "Symbol Cherry \"c1.bmp\" Symbol Cherry \"c2.bmp\"\n"
        "Symbol Lemon \"lemons.ast\", 3\n"
        "Symbol Plum \"p1.bmp\"\n");
    EXPECT_EQ(c.md.GetBackdropFile(), "room.ast");
    EXPECT_EQ(c.md.GetBackdropAsset(), 3);
    ExpectSpan(c.md.GetBackdropSpan(), c.At("\"room"), c.At("+ 1") + 2);
    const ReelSymbol cherry = c.md.GetSymbolFile("Cherry");
    EXPECT_EQ(cherry.files, (std::vector<std::string>{"c1.bmp", "c2.bmp"}));
    EXPECT_EQ(cherry.assetNumber, 0);
    EXPECT_EQ(c.md.GetSymbolFile("Lemon").assetNumber, 3);
    const int32_t lemon = c.md.GetSymbolFile("Lemon").index;
    ExpectSpan(c.md.GetReelSymbolSpans()[lemon], c.At("\"lemons"), c.At(", 3") + 2);

    // After two files a comma is no part of the statement.
    EXPECT_EQ(OnlyMessage(ArtStatementScript("Symbol Plum \"a.bmp\" \"b.bmp\", 3")),
              "Expecting } after all the art. on line 12: Symbol Plum \"a.bmp\" \"b.bmp\", 3");
}

TEST(ArtControls, AnimationReferenceForms) {
    CompiledArt c(
        "Button A { { { \"a1.bmp\" \"a2.bmp\" } { \"b.bmp\" } Transparent HotSpot = (center, top)"
        " OnClick = \"go()\" } = 1, 2 }\n"
        "Button B { { \"lib.ast\", 4 transparent HotSpot=(right, bottom) } = -3, 4 }\n"
        "Button C { \"c1.bmp\" \"c2.bmp\" = 0, 0 }\n"
        "Button D { { { \"d.bmp\" } HotSpot = (left, top) } = 0, 0 }\n");
    const AnimationReference a = c.Button("A").picture;
    EXPECT_EQ(a.sequences, (Files{{"a1.bmp", "a2.bmp"}, {"b.bmp"}}));
    EXPECT_TRUE(a.transparent);
    EXPECT_EQ(a.horizontalHotSpot, 0);
    EXPECT_EQ(a.verticalHotSpot, 1);
    EXPECT_EQ(a.scriptlets, std::vector<std::string>{"OnClick=go()"});
    ASSERT_EQ(a.sequenceSpans.size(), 2u);
    ExpectSpan(a.sequenceSpans[0], c.At("\"a1"), c.At("a2.bmp\"") + 6);
    ExpectSpan(a.span, c.At("{ { \"a1"), c.At("\"go()\" }") + 7);

    const AnimationReference b = c.Button("B").picture;
    EXPECT_EQ(b.sequences, (Files{{"lib.ast"}}));
    EXPECT_EQ(b.libraryAsset, 4);
    EXPECT_TRUE(b.transparent);
    EXPECT_EQ(b.horizontalHotSpot, 2);
    EXPECT_EQ(b.verticalHotSpot, 2);
    EXPECT_EQ(c.Button("B").rectangle, (ScriptRect{-3, 4, 1, 12})) << "asset 4 is 4 by 8";

    EXPECT_EQ(c.Button("C").picture.sequences, (Files{{"c1.bmp", "c2.bmp"}}));
    const AnimationReference d = c.Button("D").picture;
    EXPECT_EQ(d.horizontalHotSpot, 1);
    EXPECT_EQ(d.verticalHotSpot, 1) << "left and top are the default";
}

TEST(ArtControls, ButtonClauses) {
    CompiledArt c(
        "Button Spin { \"w30.bmp\" = 10, 20 Priority = 5 Priority = 7 HotKey = \"sx\""
        " HotKeyFlags = CTRL|ALT HotKeyFlags = SHIFT | SHIFT OnClick = \"a()\" OnBlur = \"b()\" }\n"
        "Button spin { \"w8.bmp\" = 0, 0 HotKey = 34 }\n"
        "Button BetOne { \"b.bmp\" = 1, 2 }\n");
    const ButtonPart spin = c.Button("Spin");
    EXPECT_EQ(spin.rectangle, (ScriptRect{10, 20, 40, 32}));
    EXPECT_EQ(spin.priority, 7) << "a later Priority replaces";
    EXPECT_EQ(spin.hotKey, 's');
    EXPECT_EQ(spin.hotKeyFlags, 7) << "later flags are added";
    EXPECT_FALSE(spin.hotKeyAbsent);
    EXPECT_EQ(spin.scriptlets, (std::vector<std::string>{"OnClick=a()", "OnBlur=b()"}));
    ExpectSpan(spin.nameSpan, c.At("Spin"), c.At("Spin") + 3);
    ExpectSpan(spin.positionSpan, c.At("10, 20"), c.At("10, 20") + 5);
    ExpectSpan(spin.definitionSpan, c.At("Button Spin"), c.At("\"b()\" }") + 6);
    // A hot-key clause's span is the whole clause (of the last one written).
    ExpectSpan(spin.hotKeyFlagsSpan, c.At("HotKeyFlags = SHIFT"), c.At("SHIFT |") + 12);
    ExpectSpan(spin.hotKeySpan, c.At("HotKey ="), c.At("\"sx\"") + 3);

    EXPECT_EQ(c.Button("spin").hotKey, '"') << "the identifier spin is another button";
    const ButtonPart betOne = c.Button("BetOne");
    EXPECT_EQ(betOne.priority, 200);
    EXPECT_TRUE(betOne.priorityAbsent);
    EXPECT_TRUE(betOne.hotKeyAbsent);
    // Clauses not written are inserted in front of the token after the position.
    const int32_t brace = c.At("1, 2 }") + 5;
    ExpectSpan(betOne.prioritySpan, brace, brace, true);
    ExpectSpan(betOne.hotKeySpan, brace, brace, true);
    ExpectSpan(betOne.hotKeyFlagsSpan, brace, brace, true);
}

TEST(ArtControls, PicturesByAnimationName) {
    CompiledArt c(
        "Animation Glow { { \"w16.bmp\" \"w17.bmp\" } Transparent }\n"
        "Button Go { Glow = 5, 6 }\n"
        "Arm { Glow = 300, 10 }\n"
        "Coin { Glow { \"lib.ast\", 6 } = 1, 2 In Denom Bill }\n");
    const ButtonPart go = c.Button("Go");
    EXPECT_EQ(go.picture.animationName, "Glow");
    EXPECT_EQ(go.picture.sequences, (Files{{"w16.bmp", "w17.bmp"}})) << "a copy of its pictures";
    EXPECT_TRUE(go.picture.transparent);
    EXPECT_EQ(go.rectangle, (ScriptRect{5, 6, 21, 18}));
    ExpectSpan(go.picture.span, c.At("Glow = 5"), c.At("Glow = 5") + 3);
    EXPECT_EQ(c.md.GetArmAnimation().animationName, "Glow");
    EXPECT_TRUE(c.md.GetArmAnimation().sequences.empty()) << "the arm only names it";
    EXPECT_EQ(c.md.GetArmRect(), (ScriptRect{300, 10, 316, 22}));
    ExpectSpan(c.md.GetArmRectSpan(), c.At("300"), c.At("300, 10") + 6);
    EXPECT_EQ(c.md.GetCoin().coin.animationName, "Glow");
    EXPECT_EQ(c.md.GetCoin().coinDrop.libraryAsset, 6);
}

TEST(ArtControls, Coin) {
    CompiledArt c(
        "Coin { { { \"coin.bmp\" } } \"drop1.bmp\" \"drop2.bmp\" = 120, -40 In Denom Bill"
        " Meter Sound = Clink Shown }\n");
    const CoinSettings coin = c.md.GetCoin();
    EXPECT_EQ(coin.coin.sequences, (Files{{"coin.bmp"}}));
    EXPECT_EQ(coin.coinDrop.sequences, (Files{{"drop1.bmp", "drop2.bmp"}}));
    EXPECT_EQ(coin.dropPosition.x, 120);
    EXPECT_EQ(coin.dropPosition.y, -40);
    ExpectSpan(coin.dropPositionSpan, c.At("120"), c.At("-40") + 2);
    EXPECT_EQ(coin.insertionRegion, "In");
    EXPECT_EQ(coin.denominationRegion, "Denom");
    EXPECT_EQ(coin.billRegion, "Bill");
    EXPECT_EQ(coin.denominationIndicator, "Shown") << "the later name";
    EXPECT_EQ(coin.sound, "Clink");
    ExpectSpan(coin.soundSpan, c.At("Clink"), c.At("Clink") + 4);
}

TEST(ArtControls, IndicatorSizesAndDigits) {
    CompiledArt c(
        "Indicator Lib { { \"digits.ast\", 20 } = 0, 0, 62 x 10 }\n"
        "Indicator Plain { = 4, 5 }\n"
        "Indicator Narrow { \"w0.bmp\" = 0, 0, 50, 10 }\n"
        "Indicator Framed { \"w16.bmp\" = 1, 2 Digits = 9 DollarSign OnUpdate = \"u()\" }\n");
    EXPECT_EQ(c.Indicator("Lib").digits, 3);
    const IndicatorPart plain = c.Indicator("Plain");
    EXPECT_EQ(plain.rectangle, (ScriptRect{4, 5, 66, 15}));
    EXPECT_EQ(plain.digits, 7);
    EXPECT_FALSE(plain.picture.HasPictures());
    ExpectSpan(plain.rectangleSpan, c.At("= 4, 5"), c.At("= 4, 5") + 5);
    const int32_t brace = c.At("4, 5 }") + 5;
    ExpectSpan(plain.digitsSpan, brace, brace, true);
    EXPECT_EQ(c.Indicator("Narrow").digits, 1) << "a frame 0 wide";
    EXPECT_EQ(c.Indicator("Narrow").rectangle, (ScriptRect{0, 0, 50, 10}));
    const IndicatorPart framed = c.Indicator("Framed");
    EXPECT_EQ(framed.rectangle, (ScriptRect{1, 2, 17, 14})) << "the picture's frame";
    EXPECT_EQ(framed.digits, 9);
    EXPECT_FALSE(framed.digitsAbsent);
    EXPECT_EQ(framed.dollarSign, 1);
    ExpectSpan(framed.dollarSignSpan, c.At("DollarSign"), c.At("DollarSign") + 9);
    EXPECT_EQ(framed.scriptlets, std::vector<std::string>{"OnUpdate=u()"});
    EXPECT_EQ(framed.priority, 75);
}

TEST(ArtControls, RepeatedButtonsAndIndicatorsKeepTheFirstAndAreReported) {
    CompiledArt c(
        "Button Go { \"a.bmp\" = 1, 1 }\nButton Go { \"b.bmp\" = 2, 2 }\n"
        "Indicator Bet { = 1, 1 } Indicator Bet { = 2, 2 }\n");
    EXPECT_EQ(c.Button("Go").position.x, 1);
    EXPECT_EQ(c.Indicator("Bet").rectangle.left, 1);
    ASSERT_GE(c.sink.messages.size(), 2u);
    EXPECT_EQ(c.sink.messages[0], "Line 13:Go is already defined; this definition is ignored\n");
    EXPECT_EQ(c.sink.messages[1], "Line 14:Bet is already defined; this definition is ignored\n");
}

TEST(ArtControls, RectanglesReachingThe32BitLimitsAreKept) {
    // "w20.bmp" is 20 by 12; the largest edges, widths and heights that fit.
    const int32_t max = INT32_MAX, min = INT32_MIN;
    CompiledArt c(
        "Constant Min = -2147483647 - 1\n"
        "Rectangle Corner = 2147483637 Min 10 x 10 Rectangle Wide = Min 0 (-1) 10\n"
        "ReelPosition 0 = 0, 2147483647, 2147483647 x 0\n"
        "Button Edge { \"w20.bmp\" = 2147483627, 2147483635 }\n"
        "Indicator Far { \"w20.bmp\" = 2147483627, Min } Indicator Span { = Min, 0, -1, 10 }\n"
        "Arm { \"w20.bmp\" = 2147483627, Min }\n");
    for (const std::string& message : c.sink.messages)
        EXPECT_EQ(message.find("does not fit"), std::string::npos) << message;
    ScriptRect rect;
    ASSERT_TRUE(c.md.Symbols().GetRectangle("Corner", rect));
    EXPECT_EQ(rect, (ScriptRect{max - 10, min, max, min + 10}));
    ASSERT_TRUE(c.md.Symbols().GetRectangle("Wide", rect));
    EXPECT_EQ(rect, (ScriptRect{min, 0, -1, 10}));
    EXPECT_EQ(c.md.GetReelPosition(0).rectangle, (ScriptRect{0, max, max, max}));
    EXPECT_EQ(c.Button("Edge").rectangle, (ScriptRect{max - 20, max - 12, max, max}));
    EXPECT_EQ(c.Indicator("Far").rectangle, (ScriptRect{max - 20, min, max, min + 12}));
    EXPECT_EQ(c.Indicator("Far").digits, 1);
    EXPECT_EQ(c.Indicator("Span").digits, max / 8) << "a width of 2147483647";
    EXPECT_EQ(c.md.GetArmRect(), (ScriptRect{max - 20, min, max, min + 12}));
}

TEST(ArtControls, WithoutAProbeEveryPictureIsEmpty) {
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, ArtStatementScript("Button Go { \"w30.bmp\" = 1, 2 }"), sink);
    EXPECT_EQ(md.GetButtons().at("Go").button.rectangle, (ScriptRect{1, 2, 1, 2}));
}

}  // namespace

namespace {

TEST(ArtScene, StatementsThatAskWhetherToCancel) {
    // Constant, ReelPosition and Symbol do not ask; the four stages and every other
    // statement do.
    const struct {
        std::string statements;
        int questions;
    } cases[] = {
        {"Constant A = 1 ReelPosition 0 = 1, 2, 3, 4 Symbol Cherry \"c.bmp\"", 4},
        {"Rectangle R = 1 2 3 4 Backdrop \"b.bmp\" Arm { \"a.bmp\" = 1, 2 }", 7},
        {"Sound S { \"s.wav\" } Region R { 1, 2 { } } Animation A { { \"a.bmp\" } }", 7},
        {"Button B { \"b.bmp\" = 1, 2 } Indicator I { = 1, 2 }", 6},
        {"Coin { \"c.bmp\" { { \"d.bmp\" } } = 1, 2 In Denom Bill }", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statements);
        MachineDescription md;
        RecordingSink sink;
        RecordingProgress progress;
        CompileText(md, ArtStatementScript(c.statements), sink, &progress);
        EXPECT_EQ(progress.calls, c.questions);
    }
}

}  // namespace

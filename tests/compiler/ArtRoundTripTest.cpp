// Every Art value written by its formatter compiles back to the same value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompileHelpers.h"

namespace {

// Compiles the statements in a playable machine and expects no message but those about
// animation and sound files, which are not on disk.
class RoundTrip {
public:
    explicit RoundTrip(const std::string& statements) {
        md.SetPictureProbe(&probe);
        CompileText(md, "Title \"Round trip\"\nReels 3 2\n{\n  Reel { Cherry Lemon }\n"
                        "  Reel { Lemon Plum }\n  Reel { Plum Cherry }\n}\n"
                        "PayLines 1 MaxBet 1 Payouts BestMatch\n{ all Plum 1 }\n" +
                            PlayableArt({"Cherry", "Lemon", "Plum"}, statements),
                    sink);
        for (const std::string& message : sink.messages)
            EXPECT_TRUE(message.find(" uses ") != std::string::npos ||
                        message.find(" Warnings\n") != std::string::npos)
                << statements << "\n" << message;
    }
    TableProbe probe;
    MachineDescription md;
    RecordingSink sink;
};

std::vector<AnimationReference> References() {
    std::vector<AnimationReference> out;
    AnimationReference plain;
    plain.sequences = {{"a1.bmp", "a2.bmp"}, {"b.bmp"}};
    out.push_back(plain);
    for (int h = 0; h < 3; ++h)
        for (int v = 0; v < 3; ++v) {
            AnimationReference spot = plain;
            spot.horizontalHotSpot = h;
            spot.verticalHotSpot = v;
            spot.transparent = (h + v) % 2 == 0;
            out.push_back(spot);
        }
    AnimationReference scripted = plain;
    scripted.scriptlets = {"OnClick=Spin(1, 'a')", "OnFocus=x = 2"};
    out.push_back(scripted);
    AnimationReference library;
    library.sequences = {{"art.ast"}};
    library.libraryAsset = -7;
    library.transparent = true;
    library.horizontalHotSpot = 2;
    library.verticalHotSpot = 0;
    library.scriptlets = {"OnBlur=done()"};
    out.push_back(library);
    return out;
}

TEST(ArtRoundTrip, AnimationReferencesOfButtons) {
    const std::vector<AnimationReference> references = References();
    MachineDescription format;
    std::string statements;
    for (size_t i = 0; i < references.size(); ++i)
        statements += "  Button B" + std::to_string(i) + " { " +
                      format.FormatAnimationRef(references[i]) + " = " +
                      format.FormatPlacement(ScriptRect{-int32_t(i), -5, 0, 0}) + " }\n";
    RoundTrip back(statements);
    for (size_t i = 0; i < references.size(); ++i) {
        SCOPED_TRACE(i);
        const ButtonPart button = back.md.GetButtons().at("B" + std::to_string(i)).button;
        EXPECT_EQ(button.picture, references[i]);
        EXPECT_EQ(button.position.x, -int32_t(i));
        EXPECT_EQ(button.position.y, -5);
    }
}

TEST(ArtRoundTrip, AnimationsArmAndCoin) {
    AnimationReference files = References()[3];  // center, bottom
    AnimationReference library = References().back();
    library.scriptlets.clear();  // an Animation definition has none
    AnimationReference named;
    named.animationName = "Files";
    MachineDescription f;
    RoundTrip back("  Animation Files " + f.FormatAnimationRef(files) + "\n" +
                   "  Animation Library " + f.FormatAnimationRef(library) + "\n" +
                   "  Arm { " + f.FormatAnimationRef(named) + " = " +
                   f.FormatPlacement(ScriptRect{-20, 30, 0, 0}) + " }\n" +
                   "  Coin { " + f.FormatAnimationRef(library) + " " + f.FormatAnimationRef(named) +
                   " = " + f.FormatPoint(Point{-3, -4}) + " In Denom Bill }\n" +
                   "  Region In { 0, 0 { (0,0) (1,0) (1,1) } }\n  Region Denom { 0, 0 { (0,0) (1,0) (1,1) } }\n" +
                   "  Region Bill { 0, 0 { (0,0) (1,0) (1,1) } }\n");
    const auto animations = back.md.GetAnimations();
    EXPECT_EQ(animations.at("Files").animation.reference, files);
    EXPECT_EQ(animations.at("Library").animation.reference, library);
    EXPECT_EQ(back.md.GetArmAnimation(), named);
    EXPECT_EQ(back.md.GetArmRect().left, -20);
    EXPECT_EQ(back.md.GetCoin().coin, library);
    EXPECT_EQ(back.md.GetCoin().coinDrop, named);
    EXPECT_EQ(back.md.GetCoin().dropPosition.y, -4);
}

TEST(ArtRoundTrip, WholeButtonsWithHotKeys) {
    std::vector<ButtonPart> buttons(4);
    for (size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].name = "Key" + std::to_string(i);
        buttons[i].picture = References()[i % 2 ? 10 : 0];
        buttons[i].rectangle = ScriptRect{-10, -20, 0, 0};
        buttons[i].priority = -1 - int32_t(i);
    }
    buttons[0].hotKey = '"';
    buttons[0].hotKeyFlags = HotKeyShift;
    buttons[1].hotKey = 'q';
    buttons[1].hotKeyFlags = HotKeyCtrl | HotKeyAlt;
    buttons[1].scriptlets = {"OnClick=Go(\'x\')"};
    buttons[2].hotKeyFlags = HotKeyShift | HotKeyCtrl | HotKeyAlt;
    MachineDescription f;
    std::string statements;
    for (const ButtonPart& b : buttons) statements += f.FormatButton(b);
    RoundTrip back(statements);
    for (const ButtonPart& b : buttons) {
        SCOPED_TRACE(b.name);
        const ButtonPart read = back.md.GetButtons().at(b.name).button;
        EXPECT_EQ(read.picture, b.picture);
        EXPECT_EQ(read.position.x, -10);
        EXPECT_EQ(read.position.y, -20);
        EXPECT_EQ(read.priority, b.priority);
        EXPECT_EQ(read.hotKey, b.hotKey);
        EXPECT_EQ(read.hotKeyFlags, b.hotKeyFlags);
        EXPECT_EQ(read.scriptlets, b.scriptlets);
    }
}

TEST(ArtRoundTrip, HotKeyClausesInsertedIntoAButton) {
    MachineDescription f;
    RoundTrip back("  Button K { \"k.bmp\" = 1, 1 " + f.FormatHotKey('"') + " " +
                   f.FormatHotKeyFlags(HotKeyShift | HotKeyAlt) + " }\n" +
                   "  Button L { \"k.bmp\" = 1, 1 HotKey = " + f.FormatQuotedKey('L') +
                   " HotKeyFlags = " + f.FormatHotKeyFlagsValue(HotKeyCtrl) + " }\n");
    EXPECT_EQ(back.md.GetButtons().at("K").button.hotKey, '"');
    EXPECT_EQ(back.md.GetButtons().at("K").button.hotKeyFlags, 5);
    EXPECT_EQ(back.md.GetButtons().at("L").button.hotKey, 'L');
    EXPECT_EQ(back.md.GetButtons().at("L").button.hotKeyFlags, 2);
}

TEST(ArtRoundTrip, WholeIndicators) {
    IndicatorPart sized;
    sized.name = "Sized";
    sized.picture = References().back();
    sized.rectangle = ScriptRect{-50, -6, 30, 20};
    sized.digits = 11;
    sized.dollarSign = 1;
    sized.priority = -3;
    sized.scriptlets = {"OnUpdate=Show(\'$\')"};
    IndicatorPart plain;
    plain.name = "Plain";
    plain.rectangle = ScriptRect{4, 5, 90, 8};
    plain.digits = 2;
    MachineDescription f;
    RoundTrip back(f.FormatIndicator(sized) + f.FormatIndicator(plain));
    for (const IndicatorPart& i : {sized, plain}) {
        SCOPED_TRACE(i.name);
        const IndicatorPart read = back.md.GetIndicators().at(i.name).indicator;
        EXPECT_EQ(read.picture, i.picture);
        EXPECT_EQ(read.rectangle, i.rectangle);
        EXPECT_EQ(read.digits, i.digits);
        EXPECT_EQ(read.dollarSign, i.dollarSign);
        EXPECT_EQ(read.priority, i.priority);
        EXPECT_EQ(read.scriptlets, i.scriptlets);
    }
}

TEST(ArtRoundTrip, SoundsRegionsReelWindowsAndSymbols) {
    SoundPart packed;
    packed.name = "Packed";
    packed.file = "CMakeLists.txt";  // a file that opens, from the tests' folder or not at all
    packed.assetNumber = -2;
    packed.compressed = true;
    SoundPart plain;
    plain.name = "Plain";
    plain.file = "CMakeLists.txt";
    RegionPart region;
    region.name = "Slot";
    region.region.originX = -7;
    region.region.originY = 8;
    region.region.vertices = {{0, 0}, {-5, 3}, {9, -9}, {1, 1}, {2, 2}};
    region.hotKey = '"';
    region.hotKeyFlags = HotKeyCtrl;
    region.scriptlets = {"OnClick=Drop(1)", "OnMouseOver=Hi()"};
    ReelSymbol symbol;
    symbol.files = {"cherry.ast"};
    symbol.assetNumber = -1;
    MachineDescription f;
    const ScriptRect window{-5, 10, 60, -20};
    std::string statements = f.FormatSound(plain) + f.FormatRegion(region) +
                             "  Sound Entry { " + f.FormatSoundEntry(packed) + " }\n" +
                             "  ReelPosition 1 " + f.FormatRect(window) + "\n" +
                             "  Symbol Lemon " + f.FormatReelSymbol(symbol) + "\n";
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, ArtStatementScript(statements), sink);
    const SoundPart readPlain = md.GetSounds().at("Plain").sound;
    EXPECT_EQ(readPlain.file, plain.file);
    EXPECT_FALSE(readPlain.compressed);
    const SoundPart entry = md.GetSounds().at("Entry").sound;
    EXPECT_EQ(entry.assetNumber, -2);
    EXPECT_TRUE(entry.compressed);
    const RegionPart read = md.GetRegions().at("Slot").region;
    EXPECT_EQ(read.region.originX, -7);
    EXPECT_EQ(read.region.originY, 8);
    ASSERT_EQ(read.region.vertices.size(), 5u);
    EXPECT_EQ(read.region.vertices[2].x, 9);
    EXPECT_EQ(read.region.vertices[2].y, -9);
    EXPECT_EQ(read.hotKey, '"');
    EXPECT_EQ(read.hotKeyFlags, HotKeyCtrl);
    EXPECT_EQ(read.scriptlets, region.scriptlets);
    EXPECT_EQ(md.GetReelPosition(1).rectangle, window);
    EXPECT_EQ(md.GetSymbolFile("Lemon").files, symbol.files);
    EXPECT_EQ(md.GetSymbolFile("Lemon").assetNumber, -1);
}

}  // namespace

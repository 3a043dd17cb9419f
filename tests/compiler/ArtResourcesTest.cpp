// The Animation, Sound and Region statements: what they store and every message they give.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompileHelpers.h"

namespace {

using Files = std::vector<std::vector<std::string>>;

TEST(ArtResources, Animations) {
    CompiledArt c(
        "Animation Glow { { \"g1.bmp\" \"g2.bmp\" } { \"g3.bmp\" } transparent Slowly"
        " HotSpot = (right, center) }\n"
        "Animation Lib { \"lib.ast\", 12 }\n");
    const AnimationRecord glow = c.md.GetAnimations().at("Glow").animation;
    EXPECT_EQ(glow.reference.sequences, (Files{{"g1.bmp", "g2.bmp"}, {"g3.bmp"}}));
    EXPECT_TRUE(glow.reference.transparent);
    EXPECT_EQ(glow.reference.horizontalHotSpot, 2);
    EXPECT_EQ(glow.reference.verticalHotSpot, 0);
    EXPECT_TRUE(glow.reference.scriptlets.empty()) << "other words mean nothing";
    ExpectSpan(glow.nameSpan, c.At("Glow"), c.At("Glow") + 3);
    ExpectSpan(glow.pictureSpan, c.At("{ { \"g1"), c.At("center) }") + 8);
    const AnimationRecord lib = c.md.GetAnimations().at("Lib").animation;
    EXPECT_EQ(lib.reference.libraryAsset, 12);
    EXPECT_EQ(lib.reference.sequences, (Files{{"lib.ast"}}));
}

TEST(ArtResources, Sounds) {
    CompiledArt c(
        "Sound Clink { \"clink.cwv\", 4 Compressed }\n"
        "Sound Plain { \"plain.wav\" }\n"
        "Sound Said { \"said.wav\" Uncompressed }\n");
    const SoundPart clink = c.md.GetSounds().at("Clink").sound;
    EXPECT_EQ(clink.file, "clink.cwv");
    EXPECT_EQ(clink.assetNumber, 4);
    EXPECT_TRUE(clink.compressed);
    ExpectSpan(clink.entrySpan, c.At("\"clink"), c.At("Compressed") + 9);
    ExpectSpan(clink.definitionSpan, c.At("Sound Clink"), c.At("Compressed }") + 11);
    EXPECT_FALSE(c.md.GetSounds().at("Plain").sound.compressed);
    EXPECT_EQ(c.md.GetSounds().at("Plain").sound.assetNumber, 0);
    EXPECT_FALSE(c.md.GetSounds().at("Said").sound.compressed);
}

TEST(ArtResources, Regions) {
    CompiledArt c(
        "Region Slot { 10, -20 { (0,0) (5, -5) (9,9) } HotKey = \"ab\" HotKeyFlags = SHIFT|ALT"
        " HotKeyFlags = CTRL OnMouseOver = \"hi()\" }\n"
        "Region Empty { 1, 2 { } }\n");
    const RegionPart slot = c.md.GetRegions().at("Slot").region;
    EXPECT_EQ(slot.region.originX, 10);
    EXPECT_EQ(slot.region.originY, -20);
    ASSERT_EQ(slot.region.vertices.size(), 3u);
    EXPECT_EQ(slot.region.vertices[1].x, 5);
    EXPECT_EQ(slot.region.vertices[1].y, -5);
    ExpectSpan(slot.originSpan, c.At("10, -20"), c.At("10, -20") + 6);
    ExpectSpan(slot.pointSpans[1], c.At("(5"), c.At("(5, -5)") + 6);
    ExpectSpan(slot.pointListSpan, c.At("(0,0)"), c.At("(9,9)") + 4);
    EXPECT_EQ(slot.hotKey, 'a');
    EXPECT_EQ(slot.hotKeyFlags, 7);
    EXPECT_EQ(slot.scriptlets, std::vector<std::string>{"OnMouseOver=hi()"});
    const RegionPart empty = c.md.GetRegions().at("Empty").region;
    EXPECT_TRUE(empty.region.vertices.empty());
    EXPECT_TRUE(empty.hotKeyAbsent);
    const int32_t brace = c.At("{ } }") + 4;
    ExpectSpan(empty.hotKeySpan, brace, brace, true);
}

TEST(ArtResources, Messages) {
    ExpectArtErrors({
        {"Animation 5 { { \"a.bmp\" } }", "Identifier req'd for animation"},
        {"Animation A ( { \"a.bmp\" } }", "{ req'd for animation"},
        {"Animation A { }", "Files req'd in animation"},
        {"Animation A { { \"a.bmp\" } 5 }", "transparency or hotspots expected in anim"},
        {"Animation A { { \"a.bmp\" } \"b.bmp\" }", "transparency or hotspots expected in anim"},
        {"Animation A { { \"a.bmp\" } HotSpot = (left, top }", ") req'd in hotspots"},
        {"Constant A = 1 Animation A { { \"a.bmp\" } }", "Error defining A as an animation", 12},
        {"Sound 5 { \"s.wav\" }", "Identifier req'd for Sound"},
        {"Sound S ( \"s.wav\" }", "{ req'd for Sound"},
        {"Sound S { s }", "Filename req'd"},
        {"Sound S { \"s.ast\", }", "ID req'd for sound asset"},
        {"Sound S { \"s.wav\" compressed }", "\"Compressed\" or \"Uncompressed\" expected"},
        {"Sound S { \"s.wav\" Compressed 5 }", "} req'd to end sound"},
        {"Animation S { { \"a.bmp\" } } Sound S { \"s.wav\" }", "Error defining S as a sound", 12},
        {"Region 5 { 1, 2 { } }", "Identifier req'd for Region"},
        {"Region R ( 1, 2 { } }", "{ req'd for Region"},
        {"Region R { { } }", "Origin req'd for Region"},
        {"Region R { 1 2 { } }", "comma required in point"},
        {"Region R { 1, { } }", "Point requires two numbers"},
        {"Region R { 1, 2 ( ) }", "{ req'd for point list"},
        {"Region R { 1, 2 { 3, 4 } }", "Point req'd for Region"},
        {"Region R { 1, 2 { ( ) } }", "Point requires two numbers"},
        {"Region R { 1, 2 { (3 4) } }", "comma required in point"},
        {"Region R { 1, 2 { (3, ) } }", "Point requires two numbers"},
        {"Region R { 1, 2 { (3, 4 } }", "This point requires )"},
        {"Region R { 1, 2 { } HotKey \"a\" }", "= req'd"},
        {"Region R { 1, 2 { } HotKey = \"\" }", "String req'd for hotKey"},
        {"Region R { 1, 2 { } HotKeyFlags = SHIFT|Shift }", "SHIFT, CTRL or ALT req'd"},
        {"Region R { 1, 2 { } OnClick \"a()\" }", "= req'd"},
        {"Region R { 1, 2 { } OnClick = a }", "Scriptlet text req'd"},
        {"Region R { 1, 2 { } 5 }", "} req'd to close Region"},
        {"Sound R { \"s.wav\" } Region R { 1, 2 { } }", "Error defining R as a region", 12},
    });
}

}  // namespace

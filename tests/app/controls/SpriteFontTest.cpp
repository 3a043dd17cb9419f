// Sprite fonts and labels: measuring and drawing every character from 1 to 255 (those
// without a glyph of their own, below 32, 127 and above 127, stand in as the font says),
// and labels that clear, cut, align and scroll their text.
#include <memory>

#include "ControlAssets.h"
#include "FontLabel.h"
#include "SpriteFont.h"

namespace {

class SpriteFontTest : public ControlAssets {
protected:
    void SetUp() override {
        ControlAssets::SetUp();
        font.Reset(new SpriteFont(stage_, Asset(kFontSprt), font_.glyphs.data(), uint32_t(font_.glyphs.size())));
        ASSERT_NE(nullptr, font->Picture());
    }
    void TearDown() override {
        font.Release();
        ControlAssets::TearDown();
    }
    // The code whose glyph draws the character.
    static int32_t DrawnAs(int c) {
        if (c < 32 || c == 127 || (c > 127 && c != 162)) return 'c';
        if (c == 'q') return ' ';  // no glyph: the first one
        return c;
    }
    static int32_t BearingOf(int c) {
        if (c < 32 || c == 127 || (c > 127 && c != 162)) return '~';
        return DrawnAs(c);
    }
    static int32_t LeftBearing(int32_t code) { return code == 'W' ? 1 : code == '~' ? 2 : 0; }
    static int32_t Overhang(int32_t code) { return code == 'W' ? 1 : 0; }

    SpriteFontRef font;
};

TEST_F(SpriteFontTest, EveryCharacterMeasuresItsAdvancePlusItsBearings) {
    for (int c = 1; c <= 255; ++c) {
        const char text[1] = {char(c)};
        const SIZE size = font->Measure(text, 1);
        const int32_t bearing = BearingOf(c);
        EXPECT_EQ(5 + LeftBearing(bearing) + Overhang(bearing), size.cx) << "character " << c;
        EXPECT_EQ(8, size.cy);
    }
    EXPECT_EQ(0, font->Measure("abc", 0).cx);
    EXPECT_EQ(8, font->Measure("abc", 0).cy) << "the line height, always";
    EXPECT_EQ(15, font->Measure("abc", 3).cx);
    EXPECT_EQ(11, font->Measure("Wa", 2).cx) << "the first character's bearing";
    EXPECT_EQ(11, font->Measure("aW", 2).cx) << "the last character's overhang";
    EXPECT_EQ(11, font->Measure("aWa", 2).cx) << "only the first n count";
    const std::string price = "5\xA2";
    EXPECT_EQ(10, font->Measure(price.data(), 2).cx);
}

TEST_F(SpriteFontTest, EveryCharacterDrawsItsGlyphOrItsStandIn) {
    for (int c = 1; c <= 255; ++c) {
        std::vector<uint8_t> record;
        AppendLE32(record, kBmapType);
        const std::vector<uint8_t> data =
            LevelPictureData(kLabelWidth, kLabelHeight, std::vector<uint8_t>(kLabelWidth * kLabelHeight, 0));
        record.insert(record.end(), data.begin(), data.end());
        const char text[1] = {char(c)};
        font->DrawText(record.data(), POINT{10, 0}, text, 1);
        const int32_t code = DrawnAs(c);
        const int32_t left = 10 - LeftBearing(code), width = code == 'W' ? 7 : 4;
        const uint8_t level = font_.LevelOf(code);
        for (int x = 0; x < kLabelWidth; ++x) {
            const bool inside = x >= left && x < left + width;
            ASSERT_EQ(inside ? level : 0, PixelOf(record.data(), x, 0)) << "character " << c << " at x " << x;
            ASSERT_EQ(inside ? level : 0, PixelOf(record.data(), x, 7)) << "character " << c << " at x " << x;
        }
    }
}

TEST_F(SpriteFontTest, GlyphsAddWhereTheyOverlapAndTheTextAdvances) {
    FontLabel label;
    ASSERT_TRUE(label.Create(stage_, font.Get(), Label(0), 0, 0, 20, nullptr));
    label.SetText("aWb");
    const void* p = label.GetPicture();
    // 'a' at 0-3, 'W' from its pen 5 less its bearing: 4-10, 'b' at 10-13.
    EXPECT_EQ(font_.LevelOf('a'), PixelOf(p, 3, 3));
    EXPECT_EQ(font_.LevelOf('W'), PixelOf(p, 4, 3));
    EXPECT_EQ(font_.LevelOf('W'), PixelOf(p, 9, 3));
    EXPECT_EQ(font_.LevelOf('W') + font_.LevelOf('b'), PixelOf(p, 10, 3));
    EXPECT_EQ(0, PixelOf(p, 14, 3));
}

class CountingLabel : public FontLabel {
public:
    void OnRedrawn() override { ++redrawn; }
    int redrawn = 0;
};

TEST_F(SpriteFontTest, ALabelClearsItsPictureAndKeepsAtMostItsMaximumLength) {
    CountingLabel label;
    HQUOREFFECT white = FadeToColorEffect(RGB(255, 255, 255));
    ASSERT_TRUE(label.Create(stage_, font.Get(), Label(0), 30, 40, 5, white));
    ReleaseEffect(white);
    const int32_t sprite = label.GetSprite()->Get();
    SpriteCreateRecord r = Examined(sprite);
    EXPECT_FALSE(r.flags & QuorSpriteHidden);
    EXPECT_TRUE(r.flags & QuorSpriteEffect);
    EXPECT_EQ(2, r.depth);
    EXPECT_EQ(0, PixelOf(label.GetPicture(), 0, 0)) << "the 0x55 of the asset is cleared";
    EXPECT_EQ(0, PixelOf(label.GetPicture(), kLabelWidth - 1, kLabelHeight - 1));
    EXPECT_TRUE(label.GetShape()->HitTest(POINT{30, 40}));
    EXPECT_TRUE(label.GetShape()->HitTest(POINT{30 + kLabelWidth - 1, 40 + kLabelHeight - 1}));
    EXPECT_FALSE(label.GetShape()->HitTest(POINT{30 + kLabelWidth, 40}));

    label.SetText("abcdefgh");
    EXPECT_EQ("abcde", label.GetTextString());
    EXPECT_EQ(5u, label.GetLength());
    EXPECT_EQ(font_.LevelOf('e'), PixelOf(label.GetPicture(), 20, 0));
    EXPECT_EQ(0, PixelOf(label.GetPicture(), 25, 0));

    label.ShowSprite(false);
    label.SetText("");
    EXPECT_EQ(0, PixelOf(label.GetPicture(), 0, 0)) << "an empty text leaves the picture cleared";
    EXPECT_FALSE(Examined(sprite).flags & QuorSpriteHidden) << "and the sprite shown";
    EXPECT_EQ(2, label.redrawn);
}

TEST_F(SpriteFontTest, LabelsAlignLeftCentredRightAndScrolled) {
    FontLabel label;
    ASSERT_TRUE(label.Create(stage_, font.Get(), Label(1), 0, 0, 20, nullptr));
    label.SetText("ab");  // 10 wide in a picture 60 wide
    auto firstInk = [&] {
        for (int x = 0; x < kLabelWidth; ++x)
            if (PixelOf(label.GetPicture(), x, 0)) return x;
        return -1;
    };
    EXPECT_EQ(0, firstInk());
    label.SetAlignment(FontLabel::kCentred);
    EXPECT_EQ(25, firstInk());
    label.SetAlignment(FontLabel::kRight);
    EXPECT_EQ(50, firstInk());
    EXPECT_EQ(font_.LevelOf('b'), PixelOf(label.GetPicture(), 58, 0));
    // Scrolled: the character before the position ends at the right edge.
    label.ShowPosition(1);
    EXPECT_EQ(FontLabel::kScrolled, label.GetAlignment());
    EXPECT_EQ(55, firstInk());
    EXPECT_EQ(font_.LevelOf('a'), PixelOf(label.GetPicture(), 58, 0));
    label.ShowPosition(9);  // past the end: the whole text
    EXPECT_EQ(50, firstInk());
    label.AlignLeft();
    EXPECT_EQ(0, firstInk());
    // The left bearing of the first character keeps its glyph inside the picture.
    label.SetText("Wa");
    EXPECT_EQ(font_.LevelOf('W'), PixelOf(label.GetPicture(), 0, 0));
    // A text wider than the picture, centred, starts at the left.
    label.SetText("abcdefghijklmn");
    label.SetAlignment(FontLabel::kCentred);
    EXPECT_EQ(font_.LevelOf('a'), PixelOf(label.GetPicture(), 0, 0));
}

}  // namespace

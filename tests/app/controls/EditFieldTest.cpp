// Edit fields driven with keys through their element host: typing, the caret keys,
// Delete and Backspace at both ends, the maximum length, the caret sprite's place and the
// scrolling it brings, and the ring of fields that Tab, the arrows and Enter go round.
#include <memory>
#include <utility>

#include "ControlAssets.h"
#include "EditField.h"

namespace {

class EditFieldTest : public ControlAssets {
protected:
    void SetUp() override {
        ControlAssets::SetUp();
        font.Reset(new SpriteFont(stage_, Asset(kFontSprt), font_.glyphs.data(), uint32_t(font_.glyphs.size())));
        // Three fields, 30 pixels wide, one below the other; each keeps 6 characters.
        EditField* previous = nullptr;
        for (int i = 0; i < 3; ++i) {
            const int32_t top = 10 + 20 * i;
            ASSERT_TRUE(fields[i].Create(previous, 100, top, 130, top + 10, stage_, font.Get(), Label(i),
                                         Asset(kCaretSprt), 100, top, 6, nullptr));
            host_.AddElement(&fields[i], false);
            previous = &fields[i];
        }
    }
    void TearDown() override {
        host_.ClearElements();
        for (EditField& f : fields) f.ShowSprite(false);
        EditField::DeleteCaretSprite();
        ControlAssets::TearDown();
    }
    // Where the shared caret sprite stands.
    static std::pair<int, int> Caret() {
        const SpriteCreateRecord r = Examined(EditField::CaretSprite().Get());
        return {r.x, r.y};
    }

    SpriteFontRef font;
    EditField fields[3];
};

TEST_F(EditFieldTest, TypingAndTheCaretKeys) {
    EditField& f = fields[0];
    host_.FocusElement(&f);
    EXPECT_EQ(0u, f.GetCaret());
    EXPECT_EQ(std::make_pair(100 + 8 + 22, 15), Caret()) << "an empty field has the caret a little in";
    Type("abc");
    EXPECT_EQ("abc", f.GetTextString());
    EXPECT_EQ(3u, f.GetCaret());
    EXPECT_EQ(std::make_pair(100 + 15 + 22, 15), Caret());
    Key(VK_HOME);
    EXPECT_EQ(0u, f.GetCaret());
    Type("x");
    EXPECT_EQ("xabc", f.GetTextString());
    EXPECT_EQ(1u, f.GetCaret());
    Key(VK_END);
    EXPECT_EQ(4u, f.GetCaret());
    for (int i = 0; i < 6; ++i) Key(VK_LEFT);
    EXPECT_EQ(0u, f.GetCaret()) << "Left stops at 0";
    for (int i = 0; i < 6; ++i) Key(VK_RIGHT);
    EXPECT_EQ(4u, f.GetCaret()) << "Right stops at the end";
    // Characters outside 32 to 126 are not typed; keys with Alt do nothing.
    Type("\t\xA2\x7F");
    f.OnKeyDown(VK_HOME, LPARAM(1) << 29);
    EXPECT_EQ("xabc", f.GetTextString());
    EXPECT_EQ(4u, f.GetCaret());
}

TEST_F(EditFieldTest, DeleteAndBackspaceAtBothEnds) {
    EditField& f = fields[0];
    host_.FocusElement(&f);
    Type("xabc");
    Key(VK_DELETE);
    EXPECT_EQ("xabc", f.GetTextString()) << "nothing after the caret at the end";
    Key(VK_LEFT);
    Key(VK_DELETE);
    EXPECT_EQ("xab", f.GetTextString());
    EXPECT_EQ(3u, f.GetCaret());
    Type("\b");
    EXPECT_EQ("xa", f.GetTextString());
    EXPECT_EQ(2u, f.GetCaret());
    Key(VK_HOME);
    Type("\b");
    EXPECT_EQ("xa", f.GetTextString()) << "nothing before the caret at 0";
    Key(VK_DELETE);
    EXPECT_EQ("a", f.GetTextString());
    EXPECT_EQ(0u, f.GetCaret());
    f.DeleteChar(7);
    EXPECT_EQ("a", f.GetTextString());
}

TEST_F(EditFieldTest, TypingStopsAtTheMaximumLengthAndTheTextScrollsPastTheField) {
    EditField& f = fields[1];
    host_.FocusElement(&f);
    Type("abcde");  // 25 wide: the caret still inside the 30 of the field
    EXPECT_EQ(std::make_pair(100 + 25 + 22, 35), Caret());
    EXPECT_EQ(FontLabel::kLeft, f.GetAlignment());
    Type("fgh");
    EXPECT_EQ("abcdef", f.GetTextString()) << "six characters at most";
    EXPECT_EQ(6u, f.GetCaret());
    EXPECT_FALSE(f.InsertChar(0, 'z'));
    // 30 wide: the text scrolls so that the caret's character ends at the right edge.
    EXPECT_EQ(FontLabel::kScrolled, f.GetAlignment());
    EXPECT_EQ(std::make_pair(130 + 21, 35), Caret());
    EXPECT_EQ(font_.LevelOf('f'), PixelOf(f.GetPicture(), kLabelWidth - 2, 0));
    Key(VK_HOME);
    EXPECT_EQ(FontLabel::kLeft, f.GetAlignment());
    EXPECT_EQ(font_.LevelOf('a'), PixelOf(f.GetPicture(), 0, 0));
    // Losing the focus aligns left; getting it puts the caret at the end.
    Key(VK_DOWN);
    EXPECT_EQ(FontLabel::kLeft, f.GetAlignment());
    Key(VK_UP);
    EXPECT_EQ(6u, f.GetCaret());
    EXPECT_EQ(std::make_pair(130 + 21, 35), Caret());
}

TEST_F(EditFieldTest, TabArrowsAndEnterGoRoundTheRing) {
    EXPECT_EQ(&fields[1], fields[0].Next());
    EXPECT_EQ(&fields[0], fields[2].Next());
    EXPECT_EQ(&fields[2], fields[0].Previous());
    host_.FocusElement(&fields[0]);
    Key(VK_TAB);
    EXPECT_EQ(&fields[1], host_.GetActiveElement());
    Key(VK_DOWN);
    EXPECT_EQ(&fields[2], host_.GetActiveElement());
    Type("\r");
    EXPECT_EQ(&fields[0], host_.GetActiveElement()) << "Enter in the last field goes to the first";
    SetShift(true);
    Key(VK_TAB);
    EXPECT_EQ(&fields[2], host_.GetActiveElement());
    SetShift(false);
    Key(VK_UP);
    EXPECT_EQ(&fields[1], host_.GetActiveElement());
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_EQ(&fields[0], host_.GetActiveElement());
    // Each field keeps its own text; the one caret goes to the field that places it.
    Type("ab");
    Key(VK_TAB);
    Type("c");
    EXPECT_EQ("ab", fields[0].GetTextString());
    EXPECT_EQ("c", fields[1].GetTextString());
    EXPECT_EQ(std::make_pair(100 + 5 + 22, 35), Caret());
}

TEST_F(EditFieldTest, FocusEnablesAndPutsTheCaretAtTheEnd) {
    EditField& f = fields[2];
    f.SetText("abcd");
    f.SetState(0);
    f.Focus();
    EXPECT_EQ(1, f.GetState());
    EXPECT_EQ(4u, f.GetCaret());
    EXPECT_EQ(std::make_pair(100 + 20 + 22, 55), Caret());
    EXPECT_EQ(uint32_t(7), f.GetKeyWants());
}

TEST_F(EditFieldTest, AFieldLeavingItsRingClosesTheGap) {
    auto extra = std::make_unique<EditField>();
    ASSERT_TRUE(extra->Create(&fields[2], 100, 70, 130, 80, stage_, font.Get(), Label(3), Asset(kCaretSprt), 100,
                              70, 6, nullptr));
    EXPECT_EQ(extra.get(), fields[2].Next());
    EXPECT_EQ(&fields[0], extra->Next());
    extra.reset();
    EXPECT_EQ(&fields[0], fields[2].Next());
    EXPECT_EQ(&fields[2], fields[0].Previous());
}

}  // namespace

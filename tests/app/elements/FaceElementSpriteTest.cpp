// Face elements and their sprites: moving and placing sprite and hit shape together,
// showing and hiding, the button pictures for state and press, and text for a text sprite.
#include "ElementSprites.h"
#include "ProbeElement.h"
#include "SpriteDesc.h"

namespace {

uint32_t FrameShown(const SpriteHandle* holder) {
    const SpriteCreateRecord r = Examined(holder->Get());
    return reinterpret_cast<const QuorImageBlock*>(uintptr_t(r.extra))->frame;
}

TEST_F(ElementSprites, ElementsMoveAndPlaceTheirSpriteAndTheirShapeTogether) {
    EventLog log;
    ProbeElement e(&log, "e", RECT{0, 0, 4, 3});
    const RectShape* shape = static_cast<const RectShape*>(e.GetShape());
    e.MoveSprite(POINT{1, 1}, 0);  // no sprite yet: only the shape moves
    EXPECT_EQ(1, shape->Rect().left);

    ASSERT_TRUE(e.CreateDefaultSprite(Asset(kSprt), stage_));
    ASSERT_NE(nullptr, e.GetSprite());
    const int32_t sprite = e.GetSprite()->Get();
    e.MoveSprite(POINT{5, -2}, 0x00010002);
    SpriteCreateRecord r = Examined(sprite);
    EXPECT_EQ(5, r.x);
    EXPECT_EQ(-2, r.y);
    EXPECT_EQ(0x00010002, r.depth) << "low and high halves added apart";
    EXPECT_EQ(6, shape->Rect().left);
    EXPECT_EQ(-1, shape->Rect().top);

    e.PlaceSprite(POINT{40, 30}, 7);
    r = Examined(sprite);
    EXPECT_EQ(40, r.x);
    EXPECT_EQ(30, r.y);
    EXPECT_EQ(7, r.depth);
    EXPECT_EQ(40, shape->Rect().left);
    EXPECT_EQ(30, shape->Rect().top);

    e.ShowSprite(false);
    EXPECT_TRUE(Examined(sprite).flags & QuorSpriteHidden);
    e.ShowSprite(true);
    EXPECT_FALSE(Examined(sprite).flags & QuorSpriteHidden);
}

TEST_F(ElementSprites, ButtonPicturesFollowStateAndPress) {
    FaceElement button;
    ASSERT_TRUE(button.CreateDefaultSprite(Asset(kSprt), stage_));
    button.ShowButtonHighlightImage(true);
    EXPECT_EQ(1u, FrameShown(button.GetSprite()));
    button.ShowButtonHighlightImage(false);
    EXPECT_EQ(0u, FrameShown(button.GetSprite()));
    button.SetState(0);
    button.ShowButtonHighlightImage(false);
    EXPECT_EQ(2u, FrameShown(button.GetSprite()));
    button.ShowButtonHighlightImage(true);
    EXPECT_EQ(1u, FrameShown(button.GetSprite()));
    button.ShowButtonStateImage(true);
    EXPECT_EQ(0u, FrameShown(button.GetSprite()));
    button.ShowButtonStateImage(false);
    EXPECT_EQ(2u, FrameShown(button.GetSprite()));
}

TEST_F(ElementSprites, ElementTextGoesToItsTextSprite) {
    HFONT font = Font();
    TextSpriteDesc d;
    d.properties.font = font;
    d.properties.text = "A";
    FontSpriteHandle text;
    ASSERT_TRUE(CreateTextSprite(stage_, text, d));
    const int32_t narrow = Width(text.Get());
    FaceElement label;
    label.SetText("ignored: no sprite yet");
    label.SetSprite(&text);
    label.SetTextFrom("Insert Coin");
    EXPECT_GT(Width(text.Get()), 4 * narrow);
    label.SetTextFrom(std::string());
    EXPECT_STREQ("", reinterpret_cast<const QuorTextProperties*>(uintptr_t(Examined(text.Get()).extra))->text);
    DeleteObject(font);
}

}  // namespace

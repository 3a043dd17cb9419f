// Check boxes toggled by the mouse and by keys through their element host, and the frames
// and depth they show for highlight, hover, press and the disabled state.
#include "ControlAssets.h"
#include "SpriteCheckBox.h"

namespace {

class CountingAction : public ElementAction {
public:
    explicit CountingAction(int* count) : count_(count) {}
    void Invoke(FaceElement&) override { ++*count_; }

private:
    int* count_;
};

class SpriteCheckBoxTest : public ControlAssets {
protected:
    void SetUp() override {
        ControlAssets::SetUp();
        ASSERT_TRUE(box.Create(stage_, Asset(kBoxSprt), POINT{40, 50}, kDepth));
        box.SetAction(new CountingAction(&actions));
        host_.AddElement(&box, false);
        sprite = box.GetSprite()->Get();
    }
    void TearDown() override {
        host_.ClearElements();
        box.DeleteSprite();
        ControlAssets::TearDown();
    }
    static const uint32_t kDepth = 0x00020005;

    SpriteCheckBox box;
    int32_t sprite = 0;
    int actions = 0;
};

TEST_F(SpriteCheckBoxTest, StartsUncheckedAtItsPlace) {
    const SpriteCreateRecord r = Examined(sprite);
    EXPECT_EQ(0u, FrameOf(sprite));
    EXPECT_EQ(40, r.x);
    EXPECT_EQ(50, r.y);
    EXPECT_EQ(int32_t(kDepth), r.depth);
    EXPECT_FALSE(r.flags & QuorSpriteHidden);
    EXPECT_FALSE(box.IsChecked());
    EXPECT_TRUE(box.GetShape()->HitTest(POINT{51, 61}));
    EXPECT_FALSE(box.GetShape()->HitTest(POINT{52, 50}));
}

TEST_F(SpriteCheckBoxTest, TheMouseTogglesAndActs) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 55));
    EXPECT_EQ(1u, FrameOf(sprite)) << "pressed: unchecked and highlighted";
    Send(WM_LBUTTONUP, 0, MAKELPARAM(45, 55));
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(1, actions);
    // The press ends with the click: the checked frame, whatever the focus.
    EXPECT_EQ(2u, FrameOf(sprite));
    Click(45, 55);
    EXPECT_FALSE(box.IsChecked());
    EXPECT_EQ(0u, FrameOf(sprite));
    EXPECT_EQ(2, actions);
    Click(300, 200);  // beside the box
    EXPECT_FALSE(box.IsChecked());
    EXPECT_EQ(2, actions);
}

TEST_F(SpriteCheckBoxTest, SpaceAndReturnToggleTheFocusedBox) {
    host_.FocusElement(&box);
    EXPECT_EQ(1u, FrameOf(sprite)) << "the focus highlights";
    Key(VK_SPACE);
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(2u, FrameOf(sprite));
    Key(VK_RETURN);
    EXPECT_FALSE(box.IsChecked());
    Key(VK_RETURN);
    EXPECT_TRUE(box.IsChecked());
    EXPECT_EQ(3, actions);
    host_.FocusElement(nullptr);
    EXPECT_EQ(2u, FrameOf(sprite));
}

TEST_F(SpriteCheckBoxTest, HoverLightsTheFrameOfTheCheckedState) {
    box.Check();
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(45, 55));
    EXPECT_EQ(3u, FrameOf(sprite));
    Send(WM_MOUSELEAVE);
    EXPECT_EQ(2u, FrameOf(sprite));
    box.Uncheck();
    box.OnHoverChanged(true);
    EXPECT_EQ(1u, FrameOf(sprite));
    box.OnHoverChanged(false);
    EXPECT_EQ(0u, FrameOf(sprite));
    EXPECT_EQ(0, actions) << "Check and Uncheck do not act";
}

TEST_F(SpriteCheckBoxTest, DisabledShowsFrameFourOneDepthBelowAndEnablingGivesItsFrameBack) {
    box.Check();
    box.SetState(0);
    EXPECT_EQ(4u, FrameOf(sprite));
    EXPECT_EQ(int32_t(kDepth - 1), Examined(sprite).depth);
    box.OnHighlight(false);
    EXPECT_EQ(4u, FrameOf(sprite));
    EXPECT_EQ(int32_t(kDepth - 1), Examined(sprite).depth);
    Click(45, 55);
    EXPECT_TRUE(box.IsChecked()) << "a disabled box is not clicked";
    box.SetState(1);
    EXPECT_EQ(2u, FrameOf(sprite));
    EXPECT_EQ(int32_t(kDepth), Examined(sprite).depth);
}

TEST_F(SpriteCheckBoxTest, MovedAndPlacedBoxesShowTheirFramesWhereTheyAre) {
    box.PlaceSprite(POINT{70, 80}, 0x00010009);
    box.MoveSprite(POINT{5, -10}, 1);
    box.Check();
    SpriteCreateRecord r = Examined(sprite);
    EXPECT_EQ(75, r.x);
    EXPECT_EQ(70, r.y);
    EXPECT_EQ(0x0001000A, r.depth);
    EXPECT_TRUE(box.GetShape()->HitTest(POINT{76, 71}));
    box.SetState(0);
    EXPECT_EQ(0x00010009, Examined(sprite).depth);
}

}  // namespace

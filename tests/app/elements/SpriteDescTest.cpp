// Sprite descriptions of the three kinds turned into creation records that the engine
// accepts, read back through ExamineSprite: position, depth, scale, the flags that pass
// and the ones that do not, hidden sprites, stage and camera parents, font copies, the
// owner-draw surface; holders that replace and delete their sprites; the queries on an
// image sprite's SPRT data and the speed of its sequences.
#include <cstring>

#include "ElementSprites.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"

namespace {

const QuorImageBlock& ImageBlock(const SpriteCreateRecord& r) {
    return *reinterpret_cast<const QuorImageBlock*>(uintptr_t(r.extra));
}
const QuorTextProperties& TextBlock(const SpriteCreateRecord& r) {
    return *reinterpret_cast<const QuorTextProperties*>(uintptr_t(r.extra));
}

TEST(SpriteDescKinds, CodesSpellTheirLettersLowestByteFirst) {
    EXPECT_EQ(0x6D696E61u, AnimSpriteDesc().GetKind());
    EXPECT_EQ(0x74786574u, TextSpriteDesc().GetKind());
    EXPECT_EQ(0x7772646Fu, OwnerDrawSpriteDesc().GetKind());
    EXPECT_EQ(0x00FF00FFu, OwnerDrawSpriteDesc().block.transparentColour);
    EXPECT_STREQ("", TextSpriteDesc().properties.text);
}

TEST_F(ElementSprites, AnAnimDescriptionReachesTheEngineAsAsked) {
    AnimSpriteDesc d;
    d.x = 12;
    d.y = -7;
    d.depth = 0x00020003;
    d.scaleNumerator = 2;
    d.scaleDenominator = 1;
    d.flags = QuorSpriteMirrorH | 0x20 | QuorSpriteClipped | QuorSpriteHidden;  // only bits 0-1 pass
    d.block.asset = Asset(kSprt);
    d.block.sequence = 1;
    d.block.frame = 2;
    SpriteHandle h;
    ASSERT_TRUE(CreateAnimSprite(stage_, h, d));
    const SpriteCreateRecord r = Examined(h.Get());
    EXPECT_EQ(1u, r.type) << "movable image sprite on a stage";
    EXPECT_EQ(12, r.x);
    EXPECT_EQ(-7, r.y);
    EXPECT_EQ(0x00020003, r.depth);
    EXPECT_EQ(2u, r.scaleNumerator);
    EXPECT_EQ(1u, r.scaleDenominator);
    EXPECT_EQ(uint32_t(QuorSpriteMirrorH | QuorSpriteAlive), r.flags);
    EXPECT_EQ(0u, r.colorTable);
    EXPECT_EQ(uint32_t(stage_.stage), r.parent);
    EXPECT_EQ(Asset(kSprt), ImageBlock(r).asset);
    EXPECT_EQ(8, r.bounds.right - r.bounds.left) << "frame 2's picture, 4 wide, at scale 2";

    EXPECT_EQ(1u, GetSpriteSequence(h));
    EXPECT_EQ(2u, GetSpriteFrame(h));
    EXPECT_EQ(2u, GetSpriteSequenceCount(h));
    EXPECT_EQ(3u, GetSpriteFrameCount(h, 0));
    EXPECT_EQ(3u, GetSpriteFrameCount(h, 1));
    EXPECT_EQ(0u, GetSpriteFrameCount(h, 2));
    EXPECT_NE(nullptr, GetSpriteImage(h));
    EXPECT_EQ(reinterpret_cast<const void*>(uintptr_t(r.image)), GetSpriteImage(h));
}

TEST_F(ElementSprites, HiddenDescriptionsCameraParentsAndDefaults) {
    AnimSpriteDesc d;
    d.visible = 0;
    d.block.asset = Asset(kSprt);
    SpriteHandle hidden;
    ASSERT_TRUE(CreateAnimSprite(camera_, hidden, d));
    SpriteCreateRecord r = Examined(hidden.Get());
    EXPECT_EQ(3u, r.type) << "movable image sprite in a camera";
    EXPECT_EQ(camera_.camera, r.parent);
    EXPECT_EQ(uint32_t(QuorSpriteHidden | QuorSpriteAlive), r.flags);

    SpriteHandle plain;
    ASSERT_TRUE(CreateDefaultAnimSprite(stage_, plain, Asset(kSprt)));
    r = Examined(plain.Get());
    EXPECT_EQ(1u, r.type);
    EXPECT_EQ(0, r.x);
    EXPECT_EQ(0, r.depth);
    EXPECT_EQ(1u, r.scaleNumerator);
    EXPECT_EQ(1u, r.scaleDenominator);
    EXPECT_EQ(uint32_t(QuorSpriteAlive), r.flags);
    EXPECT_EQ(0u, ImageBlock(r).sequence);
    EXPECT_EQ(0u, ImageBlock(r).frame);
}

TEST_F(ElementSprites, HoldersReplaceTheirSpriteOnlyWhenANewOneWasMadeAndDeleteItAtTheEnd) {
    int32_t first = 0, second = 0;
    {
        SpriteHandle h;
        ASSERT_TRUE(CreateDefaultAnimSprite(stage_, h, Asset(kSprt)));
        first = h.Get();
        AnimSpriteDesc refused;  // no asset: the engine makes nothing
        EXPECT_FALSE(CreateAnimSprite(stage_, h, refused));
        EXPECT_EQ(first, h.Get());
        EXPECT_TRUE(Alive(first));
        ASSERT_TRUE(CreateDefaultAnimSprite(stage_, h, Asset(kSprt)));
        second = h.Get();
        EXPECT_NE(first, second);
        EXPECT_FALSE(Alive(first));
        EXPECT_TRUE(Alive(second));
    }
    EXPECT_FALSE(Alive(second));
}

TEST_F(ElementSprites, TextSpritesKeepAFontCopyThatTheirTextChangesUse) {
    HFONT font = Font();
    TextSpriteDesc d;
    d.x = 30;
    d.y = 40;
    d.flags = 1 | 0x40;  // an anchor bit passes, the outline bit does not
    d.properties.font = font;
    d.properties.text = "Spin";
    d.properties.textColour = RGB(255, 255, 0);
    HFONT copy = nullptr;
    {
        FontSpriteHandle h;
        ASSERT_TRUE(CreateTextSprite(stage_, h, d));
        const SpriteCreateRecord r = Examined(h.Get());
        EXPECT_EQ(5u, r.type) << "movable text sprite on a stage";
        EXPECT_EQ(uint32_t(1 | QuorSpriteAlive), r.flags);
        EXPECT_EQ(30, r.x);
        EXPECT_EQ(font, TextBlock(r).font);
        EXPECT_EQ(RGB(255, 255, 0), TextBlock(r).textColour);
        const int32_t shortWidth = Width(h.Get());
        EXPECT_GT(shortWidth, 10);

        copy = h.GetFontCopy();
        ASSERT_NE(nullptr, copy);
        EXPECT_NE(font, copy);
        LOGFONTA original, copied;
        ASSERT_EQ(int(sizeof original), GetObjectA(font, sizeof original, &original));
        ASSERT_EQ(int(sizeof copied), GetObjectA(copy, sizeof copied, &copied));
        EXPECT_EQ(original.lfHeight, copied.lfHeight);
        EXPECT_EQ(original.lfWeight, copied.lfWeight);
        EXPECT_EQ(original.lfQuality, copied.lfQuality);
        EXPECT_STREQ(original.lfFaceName, copied.lfFaceName);

        std::string longer = "Spin Spin Spin";
        SetTextSpriteString(h, longer);
        longer.assign(longer.size(), 'x');  // the holder keeps its own copy
        const SpriteCreateRecord changed = Examined(h.Get());
        EXPECT_EQ(copy, TextBlock(changed).font);
        EXPECT_STREQ("Spin Spin Spin", TextBlock(changed).text);
        EXPECT_GT(Width(h.Get()), 2 * shortWidth);
        EXPECT_EQ(RGB(255, 255, 0), TextBlock(changed).textColour) << "the other properties stay";
        SetTextSpriteString(h, std::string());
        EXPECT_STREQ("", TextBlock(Examined(h.Get())).text);
        EXPECT_EQ(0u, GetSpriteSequenceCount(h)) << "no SPRT data behind a text sprite";
    }
    EXPECT_EQ(0u, GetObjectType(copy)) << "the copy went with its holder";
    DeleteObject(font);
}

TEST_F(ElementSprites, OwnerDrawSpritesHandTheirDrawingSurfaceToTheHolder) {
    OwnerDrawSpriteDesc d;
    d.x = 5;
    d.block.width = 40;
    d.block.height = 20;
    OwnerDrawSpriteHandle h;
    ASSERT_TRUE(CreateOwnerDrawSprite(camera_, h, d));
    const SpriteCreateRecord r = Examined(h.Get());
    EXPECT_EQ(11u, r.type) << "movable owner-draw sprite in a camera";
    const QuorOwnerDrawBlock& block = *reinterpret_cast<const QuorOwnerDrawBlock*>(uintptr_t(r.extra));
    EXPECT_EQ(40, block.width);
    EXPECT_EQ(20, block.height);
    EXPECT_EQ(0x00FF00FFu, block.transparentColour);
    EXPECT_NE(nullptr, h.Surface().bitmap);
    EXPECT_NE(nullptr, h.Surface().pixels);
    EXPECT_EQ(0, std::memcmp(&block.surface, &h.Surface(), sizeof block.surface));
}

TEST_F(ElementSprites, AnimationSpeedScalesEveryFrameOfTheSequenceOnceAndNeverBelowOne) {
    AnimSpriteDesc d;
    d.block.asset = Asset(kSprt);
    SpriteHandle h;
    ASSERT_TRUE(CreateAnimSprite(stage_, h, d));
    EXPECT_EQ(3, SetAnimationSpeed(h, 1, 4, 0));
    EXPECT_EQ(1u, Hold(h.Get(), 0)) << "3 / 4 is 0, which becomes 1";
    EXPECT_EQ(1u, Hold(h.Get(), 1));
    EXPECT_EQ(1u, Hold(h.Get(), 2)) << "5 / 4 is 1";
    EXPECT_EQ(3, SetAnimationSpeed(h, 7, 2, 0));
    EXPECT_EQ(3u, Hold(h.Get(), 0));
    EXPECT_EQ(3u, Hold(h.Get(), 2));
    // Sequence 1 shows frame 2 twice: it is doubled once.
    EXPECT_EQ(3, SetAnimationSpeed(h, 2, 1, 1));
    EXPECT_EQ(6u, Hold(h.Get(), 2));
    EXPECT_EQ(6u, Hold(h.Get(), 0));
    EXPECT_EQ(3u, Hold(h.Get(), 1)) << "not in sequence 1";
    // Nothing to change.
    EXPECT_EQ(0, SetAnimationSpeed(h, 1, 2, 2));
    EXPECT_EQ(0, SetAnimationSpeed(h, 1, 0, 0));
    SpriteHandle empty;
    EXPECT_EQ(0, SetAnimationSpeed(empty, 1, 2, 0));
    EXPECT_EQ(0u, GetSpriteFrameCount(empty, 0));
    EXPECT_EQ(nullptr, GetSpriteImage(empty));
    EXPECT_EQ(6u, Hold(h.Get(), 0));
}

}  // namespace

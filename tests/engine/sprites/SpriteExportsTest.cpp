// Sprites through the engine's exports: creation of every kind from a creation record and
// what ExamineSprite hands back, handles, deferred deletion, the full table, scale,
// movement, clipping, colour tables, effects, transforms and notifications.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "FrameWaiter.h"
#include "TempAssetFile.h"
#include "Quor2_5.h"

namespace {

const uint32_t BMAP = 0x50414D42u;
const uint32_t SPRT = 0x54525053u;

int32_t LastError() { return GetLastQuorError(nullptr); }

// A raw keyed 16-bit picture's data (after its type word).
std::vector<uint8_t> Picture(uint16_t w, uint16_t h, uint16_t colour) { return SolidPictureData(w, h, colour); }

// An SPRT asset's data (after its type word) with one sequence of frames, each showing
// picture asset `picture` at offset (fx, fy). Offsets count from the type word.
std::vector<uint8_t> Sprt(uint32_t frames, uint32_t picture, int32_t fx, int32_t fy) {
    const uint32_t seqTable = 24, seq = 28, frameTable = seq + 4 + 4 * frames, first = frameTable + 4 * frames;
    std::vector<uint8_t> v;
    AppendLE32(v, 0);
    AppendLE32(v, 1);
    AppendLE32(v, seqTable);
    AppendLE32(v, frames);
    AppendLE32(v, frameTable);
    AppendLE32(v, seq);
    AppendLE32(v, frames);
    for (uint32_t i = 0; i < frames; ++i) AppendLE32(v, first + 32 * i);
    for (uint32_t i = 0; i < frames; ++i) AppendLE32(v, first + 32 * i);
    for (uint32_t i = 0; i < frames; ++i) {
        AppendLE32(v, picture);
        AppendLE32(v, 0);
        AppendLE32(v, uint32_t(fx));
        AppendLE32(v, uint32_t(fy));
        AppendLE32(v, 0);
        AppendLE32(v, 0);
        AppendLE32(v, 1);
        AppendLE32(v, 0);
    }
    return v;
}

struct ImageBlock {
    uint32_t asset, sequence, frame;
    uintptr_t data;
};
struct TextBlock {
    uintptr_t font, text;
    uint32_t colour, background, effect1, effect2;
    int32_t offset;
    uint32_t options;
};

std::vector<int32_t> g_notified;
void __stdcall Notified(int32_t event, int32_t sprite) { g_notified.push_back(event * 10000 + sprite); }

// Lets at least one whole engine frame run.
void WaitForFrames() { ASSERT_TRUE(WaitForWholeFrame()); }

class Sprites : public ::testing::Test {
protected:
    void SetUp() override {
        AssetFileBuilder b;
        b.Add(SPRT, Sprt(2, 2, 2, 3)).Add(BMAP, Picture(8, 6, 0x1234)).Add(0x45564157u, {1, 2, 3, 4});
        path_ = WriteTempAssetFile(b.Build(), "vsl_sprites");
        file_ = OpenAssetFile(path_.c_str());
        ASSERT_NE(file_, -1);
        stage_ = CreateStage(7);
        ASSERT_NE(stage_, 0);
        RECT view = {0, 0, 320, 200};
        camera_ = CreateCamera(stage_, 0, 0, &view);
        ASSERT_NE(camera_, 0u);
        image_ = {uint32_t(file_) | 1, 0, 0, 0};
    }
    void TearDown() override {
        for (int32_t s : made_) DeleteSprite(s);
        WaitForFrames();
        DeleteCamera(camera_);
        DeleteStage(stage_);
        CloseAssetFile(QUOR_ALL_FILES);
        DeleteFileA(path_.c_str());
    }
    // A record with the host's part filled and the engine's part full of rubbish.
    SpriteCreateRecord Record(uint32_t type, const void* block, int16_t x = 10, int16_t y = 20, int32_t depth = 5) {
        SpriteCreateRecord r;
        std::memset(&r, 0xCD, sizeof r);
        r.type = type;
        r.extra = uintptr_t(block);
        r.x = x;
        r.y = y;
        r.depth = depth;
        r.scaleNumerator = r.scaleDenominator = 1;
        r.flags = 0;
        r.colorTable = 0;
        r.parent = (type & 2) ? camera_ : uint32_t(stage_);
        return r;
    }
    int32_t Make(const SpriteCreateRecord& r) {
        int32_t s = CreateSprite(&r);
        if (s) made_.push_back(s);
        return s;
    }
    int32_t MakeActor(int16_t x = 10, int16_t y = 20) {
        ImageBlock b = image_;
        return Make(Record(1, &b, x, y));
    }
    SpriteCreateRecord Examine(int32_t s) {
        SpriteCreateRecord r;
        std::memset(&r, 0, sizeof r);
        EXPECT_NE(ExamineSprite(s, &r), 0);
        return r;
    }

    std::string path_;
    int32_t file_ = -1;
    int32_t stage_ = 0;
    uint32_t camera_ = 0;
    ImageBlock image_;
    std::vector<int32_t> made_;
};

TEST_F(Sprites, EveryKindIsMadeFromARecordAndExaminedBack) {
    TextBlock text = {0, uintptr_t("hello"), 0xFFFFFF, 0, 0, 0, 0, 0};
    QuorOwnerDrawBlock od = {0, 12, 7, -1, -2, 0x00FF00FF, {}};
    for (uint32_t type = 0; type < 12; ++type) {
        ImageBlock image = image_;
        const void* block = type < 4 ? static_cast<const void*>(&image)
                            : type < 8 ? static_cast<const void*>(&text) : static_cast<const void*>(&od);
        SpriteCreateRecord in = Record(type, block);
        in.flags = 0x8000 | 0x800 | 0x2000 | 0x4000 | 0x1000 | 0x10000 | 0x40000;  // engine bits are ignored
        int32_t s = Make(in);
        ASSERT_NE(s, 0) << "type " << type << " error " << std::hex << LastError();
        SpriteCreateRecord out = Examine(s);
        EXPECT_EQ(out.type, type);
        EXPECT_EQ(out.x, 10);
        EXPECT_EQ(out.y, 20);
        EXPECT_EQ(out.depth, 5);
        EXPECT_EQ(out.parent, in.parent);
        EXPECT_EQ(out.flags, 0x8000u | 0x10000u) << "type " << type;
        EXPECT_NE(out.extra, in.extra) << "the engine keeps its own copy of the block";
        EXPECT_EQ(out.effect, 0u);
        EXPECT_EQ(out.block3D, 0u);
        EXPECT_EQ(out.singular, 0u);
        EXPECT_EQ(out.clip.left, 0);
        if (type < 4) {
            // The 8 x 6 picture at frame offset (2, 3).
            EXPECT_EQ(out.bounds.left, 12);
            EXPECT_EQ(out.bounds.top, 23);
            EXPECT_EQ(out.bounds.right, 20);
            EXPECT_EQ(out.bounds.bottom, 29);
            EXPECT_NE(out.image, 0u);
            const ImageBlock* copy = reinterpret_cast<const ImageBlock*>(uintptr_t(out.extra));
            EXPECT_EQ(copy->asset, image.asset);
        } else if (type >= 8) {
            EXPECT_EQ(out.bounds.left, 9);
            EXPECT_EQ(out.bounds.top, 18);
            EXPECT_EQ(out.bounds.right, 21);
            EXPECT_EQ(out.bounds.bottom, 25);
        }
    }
    ASSERT_EQ(made_.size(), 12u);
    // Fixed kinds refuse to move; movable ones move.
    int16_t d[4] = {1, 1, 0, 0};
    EXPECT_EQ(MoveSprite(made_[0], d), 0);
    EXPECT_EQ(LastError(), ErrNotMovable);
    char place[8] = {};
    EXPECT_EQ(PlaceSprite(made_[4], place), 0);
    EXPECT_EQ(LastError(), ErrNotMovable);
    EXPECT_EQ(MoveSprite(made_[5], d), 1);
    EXPECT_EQ(Examine(made_[5]).x, 11);
}

TEST_F(Sprites, CreationFailuresUseNoSlot) {
    ImageBlock image = image_;
    SpriteCreateRecord r = Record(12, &image);
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrBadType);
    r = Record(1, &image);
    r.parent = 99;
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrBadStage);
    r = Record(3, &image);
    r.parent = 0x1234;
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrBadCamera);
    r = Record(1, &image);
    r.scaleNumerator = 3;
    r.scaleDenominator = 0;
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrZeroDenominator);
    ImageBlock none = {0, 0, 0, 0};
    r = Record(1, &none);
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrSpriteWithoutAsset);
    ImageBlock notSprt = {uint32_t(file_) | 2, 0, 0, 0};
    r = Record(1, &notSprt);
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrWrongKind);
    ImageBlock badSeq = {uint32_t(file_) | 1, 1, 0, 0};
    r = Record(1, &badSeq);
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrBadSequence);
    ImageBlock badFrame = {uint32_t(file_) | 1, 0, 2, 0};
    r = Record(1, &badFrame);
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrBadFrame);
    r = Record(1, &image);
    r.colorTable = 0x5678;
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(CreateSprite(nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);
    // None of these took a slot: the next sprite gets a working handle.
    int32_t s = MakeActor();
    ASSERT_NE(s, 0);
    EXPECT_EQ(LastError(), 0);
}

TEST_F(Sprites, HandlesDeletionAtTheEndOfTheFrameAndNotification) {
    SpriteCreateRecord r;
    EXPECT_EQ(ExamineSprite(0, &r), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(ExamineSprite(1025, &r), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);

    int32_t s = MakeActor();
    ASSERT_NE(s, 0);
    g_notified.clear();
    EXPECT_EQ(SetSpriteCallback(s, uintptr_t(&Notified), 1), 1);
    ASSERT_TRUE(TakeToken(0));
    DeleteSprite(s);
    EXPECT_EQ(LastError(), 0);
    // Until the frame ends the sprite keeps its slot, hidden and no longer alive.
    SpriteCreateRecord out = Examine(s);
    EXPECT_EQ(out.flags & 0x18000u, 0x8000u);
    EXPECT_EQ(MakeSpriteVisible(s, 1), 1);
    EXPECT_NE(Examine(s).flags & 0x8000u, 0u) << "a deleted sprite stays hidden";
    ReleaseThreadSyncToken(0);
    WaitForFrames();
    EXPECT_EQ(ExamineSprite(s, &r), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(MakeSpriteVisible(s, 1), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    ASSERT_EQ(g_notified.size(), 1u);
    EXPECT_EQ(g_notified[0], 3 * 10000 + s);

    // An event to set instead of a routine to call.
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    int32_t t = MakeActor();
    ASSERT_NE(t, 0);
    EXPECT_EQ(SetSpriteCallback(t, uintptr_t(event), 3), 1);
    DeleteSprite(t);
    EXPECT_EQ(WaitForSingleObject(event, 2000), WAIT_OBJECT_0);
    CloseHandle(event);
    EXPECT_EQ(g_notified.size(), 1u);
}

TEST_F(Sprites, TheTableHolds1024) {
    QuorOwnerDrawBlock od = {1, 1, 1, 0, 0, 0, {}};
    std::vector<int32_t> handles;
    ASSERT_TRUE(TakeToken(0));
    for (int i = 0; i < 1024; ++i) {
        int32_t s = Make(Record(9, &od));
        if (!s) break;
        handles.push_back(s);
    }
    ASSERT_EQ(handles.size(), 1024u) << std::hex << LastError();
    SpriteCreateRecord r = Record(9, &od);
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrSpriteTableFull);
    // A deleted sprite frees its slot only at the end of the frame.
    DeleteSprite(handles[500]);
    EXPECT_EQ(CreateSprite(&r), 0);
    EXPECT_EQ(LastError(), ErrSpriteTableFull);
    ReleaseThreadSyncToken(0);
    WaitForFrames();
    int32_t again = Make(r);
    EXPECT_EQ(again, handles[500]) << "the only free slot is the one deleted";
    // The old handle now reaches the new sprite.
    EXPECT_EQ(Examine(handles[500]).type, 9u);
}

TEST_F(Sprites, ScaleMoveAndPlace) {
    int32_t s = MakeActor(10, 20);
    ASSERT_NE(s, 0);
    EXPECT_EQ(ScaleSprite(s, 0, 0), 1);
    SpriteCreateRecord out = Examine(s);
    EXPECT_EQ(out.bounds.right - out.bounds.left, 8) << "0/0 is unscaled";
    EXPECT_EQ(ScaleSprite(s, 3, 0), 0);
    EXPECT_EQ(LastError(), ErrZeroDenominator);
    EXPECT_EQ(ScaleSprite(s, 2, 1), 1);
    out = Examine(s);
    EXPECT_EQ(out.scaleNumerator, 2u);
    EXPECT_EQ(out.bounds.left, 14);
    EXPECT_EQ(out.bounds.top, 26);
    EXPECT_EQ(out.bounds.right, 30);
    EXPECT_EQ(out.bounds.bottom, 38);
    EXPECT_EQ(ScaleSprite(s, 1, 3), 1);  // 8 x 6 at a third: round(2.67) x round(2)
    out = Examine(s);
    EXPECT_EQ(out.bounds.right - out.bounds.left, 3);
    EXPECT_EQ(out.bounds.bottom - out.bounds.top, 2);
    EXPECT_EQ(ScaleSprite(s, 1, 1), 1);

    // The depth's halves move separately: no carry from the low half into the high one.
    SpriteCreateRecord before = Examine(s);
    int16_t d[4] = {-3, 4, -6, 1};
    EXPECT_EQ(MoveSprite(s, d), 1);
    out = Examine(s);
    EXPECT_EQ(out.x, before.x - 3);
    EXPECT_EQ(out.y, before.y + 4);
    EXPECT_EQ(uint32_t(out.depth), (uint32_t(1) << 16) | uint16_t(5 - 6));
    EXPECT_EQ(MoveSprite(s, nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);

    struct {
        int16_t x, y;
        int32_t depth;
    } at = {-40, 70, -9};
    EXPECT_EQ(PlaceSprite(s, &at), 1);
    out = Examine(s);
    EXPECT_EQ(out.x, -40);
    EXPECT_EQ(out.y, 70);
    EXPECT_EQ(out.depth, -9);
    EXPECT_EQ(out.bounds.left, -38);

    // Mirroring places the picture on the other side of the position.
    EXPECT_EQ(MakeSpriteVisible(s, 0), 1);
    EXPECT_NE(Examine(s).flags & 0x8000u, 0u);
    EXPECT_EQ(MakeSpriteVisible(s, 1), 1);
    EXPECT_EQ(Examine(s).flags & 0x8000u, 0u);
}

TEST_F(Sprites, ClippingColourTablesEffectsAndTransforms) {
    int32_t s = MakeActor();
    ASSERT_NE(s, 0);
    // Enabling without a rectangle when none was ever given leaves the sprite unclipped.
    SetSpriteClippingRectangle(s, 1, nullptr);
    EXPECT_EQ(Examine(s).flags & 0x800u, 0u);
    RECT clip = {1, 2, 30, 40};
    SetSpriteClippingRectangle(s, 1, &clip);
    SpriteCreateRecord out = Examine(s);
    EXPECT_NE(out.flags & 0x800u, 0u);
    EXPECT_EQ(out.clip.right, 30);
    SetSpriteClippingRectangle(s, 0, nullptr);
    EXPECT_EQ(Examine(s).flags & 0x800u, 0u);
    SetSpriteClippingRectangle(s, 1, nullptr);  // the earlier rectangle comes back
    out = Examine(s);
    EXPECT_NE(out.flags & 0x800u, 0u);
    EXPECT_EQ(out.clip.bottom, 40);

    // Colour tables: success reports 1; a deleted table leaves the sprite.
    uint8_t colours[4 * 4] = {};
    HQUORXLATE table = CreateColorXlateTable(4, colours);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(TranslateSpriteColors(s, table), 1);
    EXPECT_EQ(Examine(s).colorTable, uintptr_t(table));
    EXPECT_EQ(TranslateSpriteColors(s, reinterpret_cast<HQUORXLATE>(0x999)), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    DeleteColorXlateTable(table);
    EXPECT_EQ(Examine(s).colorTable, 0u);
    EXPECT_EQ(TranslateSpriteColors(s, nullptr), 1);

    // Effects.
    HQUOREFFECT effect = FadeToColorEffect(RGB(255, 0, 0));
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(ApplyEffectToSprite(s, effect), 1);
    out = Examine(s);
    EXPECT_NE(out.flags & 0x1000u, 0u);
    EXPECT_EQ(out.effect, uintptr_t(effect));
    EXPECT_EQ(RemoveEffectFromSprite(s), 1);
    out = Examine(s);
    EXPECT_EQ(out.flags & 0x1000u, 0u);
    EXPECT_EQ(out.effect, 0u);
    ReleaseEffect(effect);
    EXPECT_EQ(ApplyEffectToSprite(s, nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);

    // 2D: the matrix and its inverse; a nearly flat one is singular.
    const double m[4] = {0, 2, -2, 0};
    EXPECT_EQ(ApplyTransformToSprite(s, m), 1);
    out = Examine(s);
    EXPECT_EQ(out.flags & 0x6000u, 0x2000u);
    EXPECT_DOUBLE_EQ(out.transformA[1], 2);
    EXPECT_DOUBLE_EQ(out.transformB[1], -0.5);
    EXPECT_EQ(out.singular, 0u);
    // Picture corners (2,3)-(10,9) map to x -18..-6, y 4..20, at (10, 20), widened.
    EXPECT_EQ(out.bounds.left, 10 - 18 - 1);
    EXPECT_EQ(out.bounds.top, 20 + 4 - 1);
    EXPECT_EQ(out.bounds.right, 10 - 6 + 2);
    EXPECT_EQ(out.bounds.bottom, 20 + 20 + 2);
    const double flat[4] = {0.001, 0, 0, 0.001};
    EXPECT_EQ(ApplyTransformToSprite(s, flat), 1);
    EXPECT_EQ(Examine(s).singular, 1u);

    // 3D replaces 2D and owns a block; removing clears both.
    const double q[4] = {1, 0, 0, 0}, p[3] = {0, 0, 0};
    EXPECT_EQ(Apply3DTransformToSprite(s, q, p), 1);
    out = Examine(s);
    EXPECT_EQ(out.flags & 0x6000u, 0x4000u);
    EXPECT_NE(out.block3D, 0u);
    EXPECT_EQ(out.bounds.left, 12 - 1);
    EXPECT_EQ(RemoveTransformFromSprite(s), 1);
    out = Examine(s);
    EXPECT_EQ(out.flags & 0x6000u, 0u);
    EXPECT_EQ(out.block3D, 0u);
    EXPECT_EQ(out.bounds.left, 12);
    EXPECT_EQ(ApplyTransformToSprite(s, nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);
}

TEST_F(Sprites, ClosingTheFileDestroysItsImageSpritesAtOnce) {
    int32_t image = MakeActor();
    QuorOwnerDrawBlock od = {0, 4, 4, 0, 0, 0x00FF00FF, {}};
    int32_t owner = Make(Record(9, &od));
    ASSERT_NE(image, 0);
    ASSERT_NE(owner, 0);
    CloseAssetFile(uint32_t(file_));
    SpriteCreateRecord r;
    EXPECT_EQ(ExamineSprite(image, &r), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_NE(ExamineSprite(owner, &r), 0);
}

}  // namespace

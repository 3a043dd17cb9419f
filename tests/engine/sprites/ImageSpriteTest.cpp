// Image sprites on SPRT assets written here: frames stepped one engine frame at a time
// (holds, several elapsed frames in one tick, a hold of 0), frame moves of actors and
// mirrored actors, props whose frames move, frame sounds through the sound callback, the
// end-of-sequence notification by call, by posted message and by event, the animation
// exports' refusals, scaled shadows, SPRT assets that are refused, and a sequence played
// by the engine's own frame thread at the frame rate.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "FrameWaiter.h"
#include "EngineInsides.h"
#include "ImageSpriteHooks.h"
#include "TempAssetFile.h"
#include "ImageRecord.h"
#include "NotificationQueue.h"
#include "PictureBuffer.h"
#include "Quor2_5.h"
#include "SpriteRecords.h"
#include "SpriteLayer.h"
#include "SpriteTable.h"
#include "SprtAssetBuilder.h"
#include "StageTable.h"

namespace {

const auto* g_engine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

const uint32_t BMAP = 0x50414D42u, SPRT = 0x54525053u, WAVE = 0x45564157u;
const uint16_t kBackground = Buffer::kFill, kColour = 0x1234;

int32_t LastError() { return GetLastQuorError(nullptr); }

// A raw keyed picture's data (after its type word), with a shadow of `shadow` x `shadow`
// fully dark levels at (sx, sy) when `shadow` is not 0.
std::vector<uint8_t> Picture(uint16_t w, uint16_t h, uint16_t shadow = 0, int16_t sx = 0, int16_t sy = 0,
                             uint16_t colour = kColour) {
    std::vector<uint8_t> v = SolidPictureData(w, h, colour, shadow ? 8 | 0x10 : 8);
    if (shadow) {
        const uint32_t levels = ((shadow + 3u) & ~3u) * shadow;
        AppendLE16(v, 0);
        AppendLE16(v, 1);
        AppendLE16(v, shadow);
        AppendLE16(v, shadow);
        AppendLE16(v, uint16_t(sx));
        AppendLE16(v, uint16_t(sy));
        AppendLE32(v, levels);
        for (uint32_t i = 0; i < levels; ++i) v.push_back(255);
    }
    return v;
}

// Assets: 1 the SPRT below; 2-5 pictures 2, 3, 4 and 5 pixels wide; 6 and 7 sounds;
// 8 a picture with a shadow; 9 an SPRT naming a picture the file lacks; 10 an SPRT whose
// sequence table lies past its end; 11 a picture like 2 in another colour.
enum : uint32_t {
    kSprt = 1, kWide2 = 2, kWide3, kWide4, kWide5, kSound1, kSound2, kShadowed, kBadPicture, kBadTable, kOther
};
const uint16_t kOtherColour = 0x0ABC;
// Frames: 0-3 show the four widths (holds 1, 2, 1, 0) with sounds on the first three,
// 4 and 6 move (+4, -1, depth +1 low, +2 high) showing pictures 2 and 11, 5 shows the
// shadowed picture.
enum : uint32_t { kFrameByFrame, kOneFrame, kStuck, kMoves, kShadow };

SprtAssetBuilder MainSprt() {
    SprtAssetBuilder b;
    SprtFrameSpec f;
    f.picture = kWide2;
    f.hold = 1;
    b.Frame(f);
    f.picture = kWide3;
    f.hold = 2;
    b.Frame(f);
    f.picture = kWide4;
    f.hold = 1;
    b.Frame(f);
    f.picture = kWide5;
    f.hold = 0;
    b.Frame(f);
    f = SprtFrameSpec();
    f.picture = kWide2;
    f.moveX = 4;
    f.moveY = -1;
    f.moveDepthLow = 1;
    f.moveDepthHigh = 2;
    b.Frame(f);
    SprtFrameSpec move = f;
    f = SprtFrameSpec();
    f.picture = kShadowed;
    b.Frame(f);
    move.picture = kOther;
    b.Frame(move);
    b.Sequence({0, 1, 2}).Sequence({0}).Sequence({0, 3, 1}).Sequence({4, 6, 4}).Sequence({5});
    return b;
}


// Writes the file once per test and opens it; the sound handles of the first three frames
// are written into the loaded SPRT data (they name the file's slot, known only now).
class SprtFile {
public:
    SprtFile() {
        SprtFrameSpec missing;
        missing.picture = 40;
        std::vector<uint8_t> badTable = SprtAssetBuilder().Frame(SprtFrameSpec()).Sequence({0}).BuildData();
        SprtAssetBuilder::Set(badTable, 8, 0x7000);  // sequence table offset
        AssetFileBuilder b;
        b.Add(SPRT, MainSprt().BuildData())
            .Add(BMAP, Picture(2, 3))
            .Add(BMAP, Picture(3, 3))
            .Add(BMAP, Picture(4, 3))
            .Add(BMAP, Picture(5, 3))
            .Add(WAVE, {'o', 'n', 'e', 0})
            .Add(WAVE, {'t', 'w', 'o', 0})
            .Add(BMAP, Picture(4, 4, 4, 2, 2))
            .Add(SPRT, SprtAssetBuilder().Frame(missing).Sequence({0}).BuildData())
            .Add(SPRT, badTable)
            .Add(BMAP, Picture(2, 3, 0, 0, 0, kOtherColour));
        path_ = WriteTempAssetFile(b.Build(), "vsl_image_sprites");
        file_ = OpenAssetFile(path_.c_str());
        EXPECT_NE(file_, -1);
        uint8_t* sprt = static_cast<uint8_t*>(DereferenceAndLockAsset(Asset(kSprt)));
        EXPECT_NE(sprt, nullptr);
        const uint32_t sounds[3] = {Asset(kSound1), Asset(kSound2), Asset(kWide2)};  // the last is no sound
        uint32_t frameTable;
        std::memcpy(&frameTable, sprt + 20, 4);
        for (int i = 0; i < 3; ++i) {
            uint32_t record;
            std::memcpy(&record, sprt + frameTable + 4 * i, 4);
            std::memcpy(sprt + record + 28, &sounds[i], 4);
        }
    }
    ~SprtFile() {
        ReleaseAsset(Asset(kSprt));
        CloseAssetFile(uint32_t(file_));
        DeleteFileA(path_.c_str());
    }
    uint32_t Asset(uint32_t index) const { return uint32_t(file_) | index; }

private:
    std::string path_;
    int32_t file_ = -1;
};



class ImageSprites : public ::testing::Test {
protected:
    void SetUp() override {
        file_ = new SprtFile();
        stage_ = CreateStage(7);
        ASSERT_NE(stage_, 0);
        g_sounds.clear();
        g_notified.clear();
    }
    void TearDown() override {
        for (int32_t s : made_) DeleteSprite(s);
        RegisterSoundCallback(nullptr);
        delete hold_;
        hold_ = nullptr;
        EXPECT_TRUE(WaitForWholeFrame());
        DeleteStage(stage_);
        delete file_;
    }
    // From here on the test drives the frames itself: the engine's frame thread waits.
    void TakeOverFrames() { hold_ = new PaintingLock(); }
    // One engine frame carrying `elapsed` frame periods, as the frame thread runs it.
    void Step(int32_t elapsed = 1) {
        Context()->sprites->TickAll(elapsed);
        Context()->sprites->EndFrame();
        Notifications().Flush();
    }
    int32_t Make(uint32_t type, uint32_t asset, uint32_t sequence = 0, uint32_t frame = 0, int16_t x = 10,
                 int16_t y = 20, uint32_t flags = 0) {
        ImageBlock b = {asset, sequence, frame, 0};
        SpriteCreateRecord r = CreationRecord(type, &b, stage_, x, y, 0, flags);
        int32_t s = CreateSprite(&r);
        if (s) made_.push_back(s);
        return s;
    }
    int32_t Actor(uint32_t sequence = 0, uint32_t frame = 0) { return Make(1, file_->Asset(kSprt), sequence, frame); }
    SpriteCreateRecord Examine(int32_t s) { return Examined(s); }
    // The frame shown (as the engine's copy of the block reports it) and its picture's width.
    uint32_t FrameOf(int32_t s) {
        return reinterpret_cast<const ImageBlock*>(uintptr_t(Examine(s).extra))->frame;
    }
    // Draws the stage's sprites into the buffer, world point (0, 0) at its top left.
    void Draw(Buffer& b) {
        PaintingLock hold;
        SpriteLayer& layer = Context()->stages->Find(stage_)->Layer();
        layer.Draw(b.header, RECT{0, 0, b.header->width, b.header->height}, 0, 0);
    }
    int PlaceSpriteAt(int32_t s, int16_t x, int16_t y) {
        struct {
            int16_t x, y;
            int32_t depth;
        } at = {x, y, 0};
        return PlaceSprite(s, &at);
    }
    int32_t WidthOf(int32_t s) {
        SpriteCreateRecord r = Examine(s);
        return r.bounds.right - r.bounds.left;
    }

    SprtFile* file_ = nullptr;
    int32_t stage_ = 0;
    std::vector<int32_t> made_;
    PaintingLock* hold_ = nullptr;
};

TEST_F(ImageSprites, ASequencePlaysFrameByFrameWithItsHolds) {
    TakeOverFrames();
    int32_t s = Actor(kFrameByFrame, 0);
    ASSERT_NE(s, 0) << std::hex << LastError();
    ASSERT_EQ(SetSpriteCallback(s, uintptr_t(&Notified), 1), 1);
    ASSERT_EQ(AnimateSprite(s, kFrameByFrame, 2, 0), 1);
    EXPECT_EQ(WidthOf(s), 4);
    ASSERT_EQ(AutoSequenceSprite(s, kFrameByFrame, 0, 0), 1);
    EXPECT_EQ(FrameOf(s), 2u) << "nothing changes before the next tick";
    // Holds 1, 2 and 1: frame 0 at the first tick, frame 1 for two ticks, then frame 2,
    // which is the last and is reported once.
    const uint32_t frames[] = {0, 1, 1, 2, 2, 2};
    const int32_t widths[] = {2, 3, 3, 4, 4, 4};
    for (int i = 0; i < 6; ++i) {
        Step();
        EXPECT_EQ(FrameOf(s), frames[i]) << "tick " << i;
        EXPECT_EQ(WidthOf(s), widths[i]) << "tick " << i;
        EXPECT_EQ(g_notified.size(), i >= 3 ? 1u : 0u) << "tick " << i;
    }
    EXPECT_EQ(g_notified[0], 1 * 10000 + s);

    // Three elapsed periods in one tick step three frames.
    ASSERT_EQ(AutoSequenceSprite(s, kFrameByFrame, 0, 0), 1);
    Step();
    EXPECT_EQ(FrameOf(s), 0u);
    Step(3);
    EXPECT_EQ(FrameOf(s), 2u);
    EXPECT_EQ(g_notified.size(), 2u);

    // A one-frame sequence shows its frame and ends in the same tick; started on its last
    // frame, a longer one shows that frame and ends at once too.
    ASSERT_EQ(AutoSequenceSprite(s, kOneFrame, 0, 0), 1);
    Step();
    EXPECT_EQ(WidthOf(s), 2);
    EXPECT_EQ(g_notified.size(), 3u);
    ASSERT_EQ(AutoSequenceSprite(s, kFrameByFrame, 2, 0), 1);
    Step();
    EXPECT_EQ(WidthOf(s), 4);
    EXPECT_EQ(g_notified.size(), 4u);

    // A hold of 0 keeps its frame for good: the sequence never ends.
    ASSERT_EQ(AutoSequenceSprite(s, kStuck, 0, 0), 1);
    for (int i = 0; i < 50; ++i) Step(i % 3 + 1);
    EXPECT_EQ(WidthOf(s), 5);
    EXPECT_EQ(g_notified.size(), 4u);
    // Showing a frame by hand does not stop the sequencing, and the sequence may be
    // restarted from any frame.
    ASSERT_EQ(AutoSequenceSprite(s, kFrameByFrame, 1, 0), 1);
    Step();
    ASSERT_EQ(AnimateSprite(s, kFrameByFrame, 0, 0), 1);
    EXPECT_EQ(WidthOf(s), 2);
    Step();
    Step();
    EXPECT_EQ(WidthOf(s), 4) << "the sequence went on after its own frame";
    EXPECT_EQ(g_notified.size(), 5u);
}

TEST_F(ImageSprites, ActorsFollowTheirFramesMovesAndPropsStayPut) {
    TakeOverFrames();
    int32_t actor = Actor(kMoves, 0);
    ASSERT_NE(actor, 0);
    SpriteCreateRecord before = Examine(actor);
    ASSERT_EQ(AutoSequenceSprite(actor, kMoves, 0, 0), 1);
    Step(3);
    SpriteCreateRecord after = Examine(actor);
    EXPECT_EQ(after.x, before.x + 12);
    EXPECT_EQ(after.y, before.y - 3);
    EXPECT_EQ(uint32_t(after.depth), (uint32_t(6) << 16) | 3u) << "depth halves move separately";
    EXPECT_EQ(after.bounds.left, after.x);
    EXPECT_EQ(after.bounds.top, after.y);
    // Mirrored horizontally the x moves turn round, every time the sequence plays; the
    // vertical moves do not.
    for (int play = 0; play < 2; ++play) {
        before = Examine(actor);
        ASSERT_EQ(AutoSequenceSprite(actor, kMoves, 0, 1), 1);
        for (int i = 0; i < 3; ++i) Step();
        after = Examine(actor);
        EXPECT_EQ(after.x, before.x - 12) << "play " << play;
        EXPECT_EQ(after.y, before.y - 3) << "play " << play;
        EXPECT_EQ(after.bounds.right, after.x) << "mirrored: the picture lies left of the position";
    }
    // Scaled, each frame's own picture is drawn as the sprite moves.
    ASSERT_EQ(ScaleSprite(actor, 2, 1), 1);
    ASSERT_EQ(PlaceSpriteAt(actor, 10, 10), 1);
    ASSERT_EQ(AutoSequenceSprite(actor, kMoves, 0, 0), 1);
    const uint16_t colours[] = {kColour, kOtherColour, kColour};
    for (int i = 0; i < 3; ++i) {
        Step();
        SpriteCreateRecord now = Examine(actor);
        EXPECT_EQ(now.bounds.right - now.bounds.left, 4);
        Buffer b(80, 40);
        Draw(b);
        EXPECT_EQ(b.At(now.bounds.left + 3, now.bounds.top + 5), colours[i]) << "frame " << i;
    }
    ASSERT_EQ(ScaleSprite(actor, 1, 1), 1);

    // A prop does not move with its frames. It still shows each new picture within bounds
    // of its own size, and the frame thread leaves the caller's error record alone.
    int32_t prop = Make(0, file_->Asset(kSprt), kStuck, 1, 50, 60);
    ASSERT_NE(prop, 0);
    ASSERT_EQ(WidthOf(prop), 5);
    ASSERT_EQ(AutoSequenceSprite(prop, kMoves, 0, 0), 1);
    Errors().Set(ErrBadStage, 77);
    Step();
    EXPECT_EQ(Errors().Code(), ErrBadStage);
    EXPECT_EQ(Errors().Detail(), 77);
    SpriteCreateRecord r = Examine(prop);
    EXPECT_EQ(r.x, 50);
    EXPECT_EQ(r.y, 60);
    EXPECT_EQ(r.bounds.left, 50);
    EXPECT_EQ(r.bounds.right, 52) << "the bounds follow the new picture";
    // It is drawn where its bounds say.
    Buffer b(80, 80);
    Draw(b);
    EXPECT_EQ(b.At(51, 61), kColour);
    EXPECT_EQ(b.At(53, 61), kBackground);
}

TEST_F(ImageSprites, FrameSoundsReachTheSoundCallback) {
    TakeOverFrames();
    int32_t s = Actor(kFrameByFrame, 0);
    ASSERT_NE(s, 0);
    // No routine registered: the sounds are skipped.
    ASSERT_EQ(AutoSequenceSprite(s, kFrameByFrame, 0, 0), 1);
    Step(4);
    EXPECT_TRUE(g_sounds.empty());
    // Registered: code 9 and the data after the WAVE type word, for each frame that names
    // a WAVE asset (the third frame names a picture, which is skipped); holds give no
    // sound again.
    ASSERT_EQ(RegisterSoundCallback(&Sound), 1);
    ASSERT_EQ(AutoSequenceSprite(s, kFrameByFrame, 0, 0), 1);
    for (int i = 0; i < 6; ++i) Step();
    EXPECT_EQ(g_sounds, (std::vector<std::string>{"9:one:0", "9:two:0"}));
    // Showing a frame by hand plays nothing.
    ASSERT_EQ(AnimateSprite(s, kFrameByFrame, 0, 0), 1);
    EXPECT_EQ(g_sounds.size(), 2u);
}

TEST_F(ImageSprites, TheEndIsNotifiedByPostedMessageAndByEvent) {
    TakeOverFrames();
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const UINT message = RegisterWindowMessageA("QuorSpriteMsg");
    int32_t s = Actor(kOneFrame, 0);
    ASSERT_NE(s, 0);
    ASSERT_EQ(SetSpriteCallback(s, uintptr_t(window), 2), 1);
    ASSERT_EQ(AutoSequenceSprite(s, kOneFrame, 0, 0), 1);
    Step();
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, window, message, message, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(msg.lParam, s);
    EXPECT_FALSE(PeekMessageA(&msg, window, message, message, PM_REMOVE)) << "one message only";
    DestroyWindow(window);

    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_EQ(SetSpriteCallback(s, uintptr_t(event), 3), 1);
    ASSERT_EQ(AutoSequenceSprite(s, kFrameByFrame, 0, 0), 1);
    Step();
    EXPECT_EQ(WaitForSingleObject(event, 0), DWORD(WAIT_TIMEOUT));
    Step(3);
    EXPECT_EQ(WaitForSingleObject(event, 0), DWORD(WAIT_OBJECT_0));
    CloseHandle(event);
}

TEST_F(ImageSprites, TheAnimationExportsRefuseWhatTheyCannotShow) {
    int32_t s = Actor(kFrameByFrame, 1);
    ASSERT_NE(s, 0);
    EXPECT_EQ(AnimateSprite(s, 5, 0, 0), 0);
    EXPECT_EQ(LastError(), ErrBadSequence);
    EXPECT_EQ(AnimateSprite(s, kOneFrame, 1, 0), 0) << "frame 1 of a one-frame sequence";
    EXPECT_EQ(LastError(), ErrBadFrame);
    EXPECT_EQ(AutoSequenceSprite(s, 5, 0, 0), 0);
    EXPECT_EQ(LastError(), ErrBadSequence);
    EXPECT_EQ(AutoSequenceSprite(s, kFrameByFrame, 3, 0), 0);
    EXPECT_EQ(LastError(), ErrBadFrame);
    EXPECT_EQ(AnimateSprite(0, 0, 0, 0), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(FrameOf(s), 1u) << "refusals leave the frame";
    // Other kinds are refused.
    uint32_t od[16] = {1, 2, 2, 0, 0, 0};
    SpriteCreateRecord r = {};
    r.type = 9;
    r.extra = uintptr_t(od);
    r.parent = uint32_t(stage_);
    int32_t other = CreateSprite(&r);
    ASSERT_NE(other, 0);
    made_.push_back(other);
    EXPECT_EQ(AnimateSprite(other, 0, 0, 0), 0);
    EXPECT_EQ(LastError(), ErrWrongKind);
    EXPECT_EQ(AutoSequenceSprite(other, 0, 0, 0), 0);
    EXPECT_EQ(LastError(), ErrWrongKind);
    // Flips mirror the frame at once; a prop takes them too.
    ASSERT_EQ(AnimateSprite(s, kFrameByFrame, 1, 1), 1);
    SpriteCreateRecord out = Examine(s);
    EXPECT_EQ(out.flags & 3u, 1u);
    EXPECT_EQ(out.bounds.right, 10);
    int32_t prop = Make(0, file_->Asset(kSprt));
    ASSERT_NE(prop, 0);
    EXPECT_EQ(AnimateSprite(prop, kFrameByFrame, 2, 2), 1);
    EXPECT_EQ(Examine(prop).bounds.bottom, 20);
}

TEST_F(ImageSprites, ShadowsFollowTheSpritesScale) {
    int32_t s = Make(1, file_->Asset(kSprt), kShadow, 0, 20, 20);
    ASSERT_NE(s, 0);
    SpriteCreateRecord r = Examine(s);
    EXPECT_EQ(r.shadowBounds.left, 22);
    EXPECT_EQ(r.shadowBounds.bottom, 26);
    {
        Buffer b(40, 40);
        Draw(b);
        EXPECT_EQ(b.At(21, 21), kColour);
        EXPECT_EQ(b.At(25, 25), 0) << "fully dark shadow beside the picture";
        EXPECT_EQ(b.At(27, 27), kBackground);
    }
    ASSERT_EQ(ScaleSprite(s, 2, 1), 1);
    r = Examine(s);
    EXPECT_EQ(r.bounds.right, 28);
    EXPECT_EQ(r.shadowBounds.left, 24);
    EXPECT_EQ(r.shadowBounds.top, 24);
    EXPECT_EQ(r.shadowBounds.right, 32);
    EXPECT_EQ(r.shadowBounds.bottom, 32);
    EXPECT_EQ(reinterpret_cast<const quor::ShadowHeader*>(uintptr_t(r.shadowImage))->width, 8);
    {
        Buffer b(40, 40);
        Draw(b);
        EXPECT_EQ(b.At(25, 25), kColour);
        EXPECT_EQ(b.At(31, 31), 0) << "the scaled shadow is drawn";
        EXPECT_EQ(b.At(33, 33), kBackground);
    }
    // Back to full size: the asset's own shadow again.
    ASSERT_EQ(ScaleSprite(s, 1, 1), 1);
    r = Examine(s);
    EXPECT_EQ(r.shadowBounds.right, 26);
    EXPECT_EQ(reinterpret_cast<const quor::ShadowHeader*>(uintptr_t(r.shadowImage))->width, 4);
}

TEST_F(ImageSprites, BadSprtAssetsAreRefusedAndGoodOnesShared) {
    EXPECT_EQ(Make(1, file_->Asset(kBadPicture)), 0);
    EXPECT_EQ(LastError(), ErrWrongKind);
    EXPECT_EQ(Make(1, file_->Asset(kBadTable)), 0);
    EXPECT_EQ(LastError(), ErrWrongKind);
    EXPECT_EQ(Make(1, file_->Asset(kWide2)), 0) << "a picture is no SPRT";
    EXPECT_EQ(LastError(), ErrWrongKind);
    // Two sprites on one SPRT share its fixed-up data, and the host sees it fixed up.
    int32_t a = Actor(kMoves, 1), b = Actor(kFrameByFrame, 2);
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    const ImageBlock* ba = reinterpret_cast<const ImageBlock*>(uintptr_t(Examine(a).extra));
    const ImageBlock* bb = reinterpret_cast<const ImageBlock*>(uintptr_t(Examine(b).extra));
    EXPECT_EQ(ba->data, bb->data);
    const uint32_t* sprt = reinterpret_cast<const uint32_t*>(uintptr_t(ba->data));
    EXPECT_EQ(sprt[1], 1u);
    // A fixed-up word is the data's address, taken to 32 bits, plus an offset.
    const uint8_t* base = reinterpret_cast<const uint8_t*>(sprt);
    auto at = [&](uint32_t word) { return reinterpret_cast<const uint32_t*>(base + uint32_t(word - uint32_t(ba->data))); };
    const uint32_t* sequence = at(at(sprt[3])[kFrameByFrame]);
    EXPECT_EQ(sequence[0], 3u) << "three frames";
    EXPECT_EQ(WidthOf(b), 4);
    // SPRT data in the host's own memory, without a handle: its pictures come from the
    // file in slot 0, if any; here there is none, so the sprite shows nothing.
    std::vector<uint8_t> own = MainSprt().Build();
    ImageBlock block = {0, kOneFrame, 0, uintptr_t(own.data())};
    SpriteCreateRecord r = {};
    r.type = 1;
    r.extra = uintptr_t(&block);
    r.parent = uint32_t(stage_);
    int32_t c = CreateSprite(&r);
    ASSERT_NE(c, 0) << std::hex << LastError();
    made_.push_back(c);
    EXPECT_EQ(SprtAssetBuilder::Get(own, 4), 1u) << "fixed up in place";
    EXPECT_EQ(Examine(c).image, 0u);
}

// The engine's own frame thread plays the sequence at the frame rate; the test only waits
// for the end.
TEST_F(ImageSprites, TheFrameThreadPlaysASequenceToItsEnd) {
    ASSERT_EQ(RegisterSoundCallback(&Sound), 1);
    int32_t s = Actor(kFrameByFrame, 0);
    ASSERT_NE(s, 0);
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_EQ(SetSpriteCallback(s, uintptr_t(event), 3), 1);
    ASSERT_EQ(AutoSequenceSprite(s, kFrameByFrame, 0, 0), 1);
    ASSERT_EQ(WaitForSingleObject(event, 10000), DWORD(WAIT_OBJECT_0));
    CloseHandle(event);
    EXPECT_EQ(FrameOf(s), 2u);
    EXPECT_EQ(WidthOf(s), 4);
    ASSERT_TRUE(TakeToken(0));
    EXPECT_EQ(g_sounds, (std::vector<std::string>{"9:one:0", "9:two:0"}));
    ReleaseThreadSyncToken(0);
}

}  // namespace

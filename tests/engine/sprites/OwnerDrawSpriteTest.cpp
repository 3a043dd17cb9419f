// Owner-draw sprites: the host draws with GDI into the surface handed back in its own
// block, asks for an update, and the sprite shows what it drew: keyed, opaque and as a
// level mask; refusals of the update export and of surfaces that cannot be made.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "EngineInsides.h"
#include "ImageRecord.h"
#include "PictureBuffer.h"
#include "FrameWaiter.h"
#include "Quor2_5.h"
#include "SpriteRecords.h"
#include "SpriteLayer.h"
#include "StageTable.h"

namespace {

const auto* g_engine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

const uint16_t kBackground = Buffer::kFill;
const uint16_t kRed = 0x7C00, kBlue = 0x001F, kMagenta = 0x7C1F;

int32_t LastError() { return GetLastQuorError(nullptr); }



class OwnerDraw : public SpritesOnAStage {
protected:
    int32_t Make(QuorOwnerDrawBlock& block, int16_t x, int16_t y, uint32_t type = 9) {
        SpriteCreateRecord r = CreationRecord(type, &block, stage_, x, y);
        int32_t s = CreateSprite(&r);
        if (s) made_.push_back(s);
        return s;
    }
    // Draws into the sprite's surface as a host does: holding the painting token.
    template <class Fn>
    void HostDraws(const QuorSurfaceRecord& surface, Fn draw) {
        ASSERT_TRUE(TakeToken(0));
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, surface.bitmap);
        draw(dc);
        GdiFlush();
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseThreadSyncToken(0);
    }
    void Fill(HDC dc, RECT r, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    void Draw(Buffer& b) {
        PaintingLock hold;
        Context()->stages->Find(stage_)->Layer().Draw(b.header, RECT{0, 0, b.header->width, b.header->height}, 0, 0);
    }
};

TEST_F(OwnerDraw, TheSpriteShowsWhatTheHostDrew) {
    QuorOwnerDrawBlock block = {0, 10, 6, -2, -1, 0x00FF00FF, {}};
    int32_t s = Make(block, 20, 10);
    ASSERT_NE(s, 0) << std::hex << LastError();
    // The surface comes back in the caller's block and in the engine's copy alike.
    ASSERT_NE(block.surface.bitmap, nullptr);
    ASSERT_NE(block.surface.pixels, nullptr);
    EXPECT_EQ(block.surface.right, 10);
    EXPECT_EQ(block.surface.bottom, 6);
    SpriteCreateRecord r = {};
    ASSERT_NE(ExamineSprite(s, &r), 0);
    const QuorOwnerDrawBlock* copy = reinterpret_cast<const QuorOwnerDrawBlock*>(uintptr_t(r.extra));
    EXPECT_EQ(std::memcmp(&copy->surface, &block.surface, sizeof block.surface), 0);
    EXPECT_EQ(r.bounds.left, 18);
    EXPECT_EQ(r.bounds.top, 9);
    {
        Buffer b(40, 20);
        Draw(b);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_EQ(b.At(x, y), kBackground) << "nothing drawn yet";
    }
    // A red band along the top and a blue pixel at the bottom right corner.
    HostDraws(block.surface, [&](HDC dc) {
        Fill(dc, RECT{0, 0, 10, 2}, RGB(255, 0, 0));
        SetPixel(dc, 9, 5, RGB(0, 0, 255));
    });
    {
        Buffer b(40, 20);
        Draw(b);
        EXPECT_EQ(b.At(18, 9), kBackground) << "the drawing shows only after the update";
    }
    ASSERT_EQ(UpdateOwnerDrawSprite(s), 1);
    Buffer b(40, 20);
    Draw(b);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const int u = x - 18, v = y - 9;
            uint16_t want = kBackground;
            if (u >= 0 && u < 10 && v >= 0 && v < 2) want = kRed;
            if (u == 9 && v == 5) want = kBlue;
            ASSERT_EQ(b.At(x, y), want) << x << "," << y;
        }
}

TEST_F(OwnerDraw, OpaqueSpritesShowTheirKeyColourAndLevelMasksDarken) {
    QuorOwnerDrawBlock opaque = {1, 4, 3, 0, 0, 0x00FF00FF, {}};
    int32_t s = Make(opaque, 0, 0, 8);
    ASSERT_NE(s, 0);
    HostDraws(opaque.surface, [&](HDC dc) { SetPixel(dc, 0, 0, RGB(0, 0, 255)); });
    ASSERT_EQ(UpdateOwnerDrawSprite(s), 1);
    {
        Buffer b(6, 4);
        Draw(b);
        EXPECT_EQ(b.At(0, 0), kBlue);
        EXPECT_EQ(b.At(3, 2), kMagenta) << "undrawn pixels keep the fill colour";
        EXPECT_EQ(b.At(4, 0), kBackground);
    }
    // A fixed owner-draw sprite stays where it is.
    int16_t d[4] = {1, 0, 0, 0};
    EXPECT_EQ(MoveSprite(s, d), 0);
    EXPECT_EQ(LastError(), ErrNotMovable);

    // A level mask: black is a full level, white none; it darkens what lies beneath.
    QuorOwnerDrawBlock mask = {2, 4, 4, 0, 0, 0, {}};
    int32_t m = Make(mask, 10, 0);
    ASSERT_NE(m, 0);
    ASSERT_NE(mask.surface.pixels, nullptr);
    HostDraws(mask.surface, [&](HDC dc) {
        Fill(dc, RECT{0, 0, 4, 4}, RGB(255, 255, 255));
        Fill(dc, RECT{0, 0, 2, 1}, RGB(0, 0, 0));
    });
    ASSERT_EQ(UpdateOwnerDrawSprite(m), 1);
    Buffer b(16, 4);
    Draw(b);
    EXPECT_EQ(b.At(10, 0), 0);
    EXPECT_EQ(b.At(11, 0), 0);
    EXPECT_EQ(b.At(12, 0), kBackground);
    EXPECT_EQ(b.At(10, 1), kBackground) << "the top row drawn is the top row shown";
}

TEST_F(OwnerDraw, RefusalsAndSurfacesThatCannotBeMade) {
    EXPECT_EQ(UpdateOwnerDrawSprite(0), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    uintptr_t text[8] = {0, uintptr_t(""), 0, 0, 0, 0, 0, 0};
    SpriteCreateRecord r = {};
    r.type = 5;
    r.extra = uintptr_t(text);
    r.parent = uint32_t(stage_);
    int32_t t = CreateSprite(&r);
    ASSERT_NE(t, 0);
    made_.push_back(t);
    EXPECT_EQ(UpdateOwnerDrawSprite(t), 0);
    EXPECT_EQ(LastError(), ErrWrongKind);

    // A surface too large to make fails the creation, and takes no slot.
    for (uint32_t options : {0u, 2u}) {
        QuorOwnerDrawBlock huge = {options, 60000, 60000, 0, 0, 0x00FF00FF, {}};
        EXPECT_EQ(Make(huge, 0, 0), 0);
        EXPECT_EQ(LastError(), ErrOutOfMemory);
        EXPECT_EQ(huge.surface.pixels, nullptr);
    }
    QuorOwnerDrawBlock none = {0, 0, 5, 0, 0, 0, {}};
    EXPECT_EQ(Make(none, 0, 0), 0);
    QuorOwnerDrawBlock fine = {0, 1, 1, 0, 0, 0x00FF00FF, {}};
    EXPECT_NE(Make(fine, 0, 0), 0);
    EXPECT_EQ(LastError(), 0);
}

}  // namespace

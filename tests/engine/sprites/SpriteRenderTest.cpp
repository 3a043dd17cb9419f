// Sprites drawn by their layer into a picture buffer, pixel by pixel against references
// worked out here: keyed and mirrored copies, scaling, clipping, the affine transform, depth
// order, a wrapping world, level masks, colour tables, change rectangles and hit listing.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ImageRecord.h"
#include "EngineInsides.h"
#include "FrameWaiter.h"
#include "LibraryContext.h"
#include "MutexPair.h"
#include "PictureBuffer.h"
#include "Quor2_5.h"
#include "SpriteRecords.h"
#include "SpriteLayer.h"
#include "SpriteTable.h"
#include "StageTable.h"

namespace {

const auto* g_engine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

const uint16_t kBackground = Buffer::kFill;

uint16_t Pattern(int x, int y) { return uint16_t(100 * y + x + 1); }

class Render : public SpritesOnAStage {
protected:
    SpriteLayer& Layer() { return Context()->stages->Find(stage_)->Layer(); }

    // An owner-draw sprite whose picture the test fills: options 0 keyed, 1 opaque,
    // 2 level mask. Pixels follow Pattern unless `fill` is given.
    int32_t Make(uint32_t options, int w, int h, int16_t x, int16_t y, int32_t depth = 0, uint32_t flags = 0,
                 std::function<uint16_t(int, int)> fill = Pattern) {
        QuorOwnerDrawBlock b = {options, w, h, 0, 0, 0x00FF00FF, {}};
        SpriteCreateRecord r = CreationRecord(9, &b, stage_, x, y, depth, flags);
        int32_t s = CreateSprite(&r);
        // Without a sprite there is no picture to fill: the test ends here (a thrown
        // exception fails the test and its tear-down still runs) rather than reading one.
        if (s == 0) throw std::runtime_error(NoSprite("owner-draw"));
        made_.push_back(s);
        quor::ImageHeader* pic = PictureOf(s);
        const uint32_t bpp = quor::BytesPerPixel(pic->kind);
        for (int j = 0; j < h; ++j) {
            uint8_t* row = reinterpret_cast<uint8_t*>(pic) + sizeof(quor::ImageHeader) + j * quor::RowBytes(w, bpp);
            for (int i = 0; i < w; ++i) {
                if (bpp == 1) row[i] = uint8_t(fill(i, j));
                else reinterpret_cast<uint16_t*>(row)[i] = fill(i, j);
            }
        }
        return s;
    }
    quor::ImageHeader* PictureOf(int32_t s) {
        SpriteCreateRecord r = {};
        if (!ExamineSprite(s, &r) || !r.image) throw std::runtime_error(NoSprite("examined"));
        return reinterpret_cast<quor::ImageHeader*>(uintptr_t(r.image));
    }
    // What the engine said when it made or found no sprite.
    static std::string NoSprite(const char* what) {
        int32_t detail = 0;
        const int32_t error = GetLastQuorError(&detail);
        std::ostringstream text;
        text << "no " << what << " sprite: error " << std::hex << error << ", detail " << std::dec << detail;
        return text.str();
    }
    void Draw(Buffer& b, RECT area, int32_t ox = 0, int32_t oy = 0) {
        PaintingLock hold;
        Layer().Draw(b.header, area, ox, oy);
    }
    // Every pixel of the buffer against want(x, y) (layer coordinates with the origin).
    void Expect(Buffer& b, std::function<uint16_t(int, int)> want, int32_t ox = 0, int32_t oy = 0) {
        for (int y = 0; y < b.header->height; ++y)
            for (int x = 0; x < b.header->width; ++x)
                ASSERT_EQ(b.At(x, y), want(x + ox, y + oy)) << "pixel " << x << "," << y;
    }
};

TEST_F(Render, KindsByType) {
    struct {
        uint32_t type;
        const char* tag;
    } kinds[] = {{4, "FTXT"}, {5, "MTXT"}, {8, "OWNF"}, {9, "OWNM"}};
    uintptr_t text[8] = {0, uintptr_t("x"), 0, 0, 0, 0, 0, 0};
    QuorOwnerDrawBlock od = {0, 2, 2, 0, 0, 0x00FF00FF, {}};
    for (const auto& k : kinds) {
        SpriteCreateRecord r = {};
        r.type = k.type;
        r.extra = k.type < 8 ? uintptr_t(text) : uintptr_t(&od);
        r.parent = uint32_t(stage_);
        int32_t s = CreateSprite(&r);
        ASSERT_NE(s, 0) << NoSprite(k.tag);
        made_.push_back(s);
        uint32_t want;
        std::memcpy(&want, k.tag, 4);
        PaintingLock hold;
        EXPECT_EQ(Context()->sprites->Find(s)->Kind(), want) << k.tag;
    }
}

TEST_F(Render, KeyedMirroredAndClippedCopies) {
    int32_t s = Make(0, 6, 4, 10, 5);
    quor::ImageHeader* pic = PictureOf(s);
    ASSERT_NE(pic->kind & quor::KindKeyed, 0);
    const uint16_t key = uint16_t(pic->key);
    reinterpret_cast<uint16_t*>(pic + 1)[2] = key;  // pixel (2, 0) is transparent
    auto picture = [&](int u, int v) -> int { return (u == 2 && v == 0) ? -1 : Pattern(u, v); };
    {
        Buffer b(40, 20);
        Draw(b, {0, 0, 40, 20});
        Expect(b, [&](int x, int y) -> uint16_t {
            int u = x - 10, v = y - 5;
            if (u < 0 || u >= 6 || v < 0 || v >= 4 || picture(u, v) < 0) return kBackground;
            return uint16_t(picture(u, v));
        });
    }
    // Mirrored both ways: the picture lies left of and above the position, flipped.
    made_.pop_back();
    DeleteSprite(s);
    ASSERT_TRUE(WaitForWholeFrame());
    s = Make(0, 6, 4, 10, 5, 0, 3);
    pic = PictureOf(s);
    reinterpret_cast<uint16_t*>(pic + 1)[2] = uint16_t(pic->key);
    {
        Buffer b(40, 20);
        Draw(b, {0, 0, 40, 20});
        Expect(b, [&](int x, int y) -> uint16_t {
            int i = x - 4, j = y - 1;
            if (i < 0 || i >= 6 || j < 0 || j >= 4) return kBackground;
            int p = picture(5 - i, 3 - j);
            return p < 0 ? kBackground : uint16_t(p);
        });
    }
    // A clipping rectangle, a smaller area and an origin: only their common part is drawn,
    // at buffer pixel (x - originX, y - originY).
    RECT clip = {6, 2, 8, 10};
    SetSpriteClippingRectangle(s, 1, &clip);
    {
        Buffer b(30, 20);
        Draw(b, {0, 3, 40, 20}, -5, 1);
        Expect(b, [&](int x, int y) -> uint16_t {
            if (x < 6 || x >= 8 || y < 3 || y >= 10) return kBackground;
            int i = x - 4, j = y - 1;
            if (i < 0 || i >= 6 || j < 0 || j >= 4) return kBackground;
            int p = picture(5 - i, 3 - j);
            return p < 0 ? kBackground : uint16_t(p);
        }, -5, 1);
    }
}

TEST_F(Render, ScaledPicturesTakeTheNearestSample) {
    // Doubled: every picture pixel becomes 2 x 2.
    int32_t s = Make(0, 6, 4, 3, 2);
    ASSERT_EQ(ScaleSprite(s, 2, 1), 1);
    {
        Buffer b(20, 12);
        Draw(b, {0, 0, 20, 12});
        Expect(b, [](int x, int y) -> uint16_t {
            int i = x - 3, j = y - 2;
            return (i < 0 || i >= 12 || j < 0 || j >= 8) ? kBackground : Pattern(i / 2, j / 2);
        });
    }
    // Halved, clipped by the area: sample at the centre of each 2 x 2 block.
    ASSERT_EQ(ScaleSprite(s, 1, 2), 1);
    {
        Buffer b(20, 12);
        Draw(b, {0, 0, 4, 12});
        Expect(b, [](int x, int y) -> uint16_t {
            int i = x - 3, j = y - 2;
            if (x >= 4 || i < 0 || i >= 3 || j < 0 || j >= 2) return kBackground;
            return Pattern(int(std::floor((i + 0.5) * 2)), int(std::floor((j + 0.5) * 2)));
        });
    }
}

TEST_F(Render, ScaledOpaquePicturesKeepPixelsThatLookLikeAKey) {
    int32_t s = Make(1, 4, 4, 0, 0);
    quor::ImageHeader* pic = PictureOf(s);
    ASSERT_EQ(pic->kind & quor::KindKeyed, 0);
    const uint16_t stale = uint16_t(pic->key);
    uint16_t* px = reinterpret_cast<uint16_t*>(pic + 1);
    for (int i = 0; i < 16; ++i) px[i] = stale;  // the whole picture equals the unused key
    ASSERT_EQ(ScaleSprite(s, 3, 2), 1);
    Buffer b(8, 8);
    Draw(b, {0, 0, 8, 8});
    Expect(b, [&](int x, int y) -> uint16_t { return (x < 6 && y < 6) ? stale : kBackground; });
}

TEST_F(Render, PartialRedrawsMatchWholeOnesAndMovesKeepThePicture) {
    int32_t s = Make(0, 7, 5, 3, 2);
    ASSERT_EQ(ScaleSprite(s, 5, 3), 1);
    int32_t t = Make(0, 7, 5, 20, 4);
    const double turn[4] = {0.8, 0.6, -0.6, 0.8};
    ASSERT_EQ(ApplyTransformToSprite(t, turn), 1);
    Buffer whole(40, 20), parts(40, 20);
    Draw(whole, {0, 0, 40, 20});
    for (RECT r : {RECT{0, 0, 5, 7}, RECT{5, 0, 40, 7}, RECT{0, 7, 17, 20}, RECT{17, 7, 40, 20}}) Draw(parts, r);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(parts.At(x, y), whole.At(x, y)) << x << "," << y;

    // Moved by whole pixels, both look the same further on.
    int16_t d[4] = {4, 3, 0, 0};
    ASSERT_EQ(MoveSprite(s, d), 1);
    ASSERT_EQ(MoveSprite(t, d), 1);
    Buffer moved(40, 20);
    Draw(moved, {4, 3, 44, 23}, 4, 3);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(moved.At(x, y), whole.At(x, y)) << x << "," << y;

    // A change of the picture shows at the next draw.
    quor::ImageHeader* pic = PictureOf(s);
    uint16_t* px = reinterpret_cast<uint16_t*>(pic + 1);
    for (int i = 0; i < 4 * 5; ++i) px[i] = 0x0777;
    ASSERT_EQ(ScaleSprite(s, 1, 1), 1);
    Buffer plain(40, 20);
    Draw(plain, {0, 0, 40, 20});
    EXPECT_EQ(plain.At(7, 5), 0x0777);
}

TEST_F(Render, TurnedOpaquePicturesKeepEveryValue) {
    // No value is free to mark the clear corners of an opaque turned picture but one that
    // the picture does not use.
    int32_t s = Make(1, 3, 2, 5, 5, 0, 0, [](int x, int) { return uint16_t(0x8000 + x); });
    const double same[4] = {1, 0, 0, 1};
    ASSERT_EQ(ApplyTransformToSprite(s, same), 1);
    Buffer b(12, 10);
    Draw(b, {0, 0, 12, 10});
    Expect(b, [](int x, int y) -> uint16_t {
        int u = x - 5, v = y - 5;
        return (u >= 0 && u < 3 && v >= 0 && v < 2) ? uint16_t(0x8000 + u) : kBackground;
    });
}

TEST_F(Render, AffineTransformMatchesTheInverseMap) {
    int32_t s = Make(0, 6, 4, 20, 10);
    quor::ImageHeader* pic = PictureOf(s);
    reinterpret_cast<uint16_t*>(pic + 1)[0] = uint16_t(pic->key);
    const double quarter[4] = {0, 1, -1, 0};  // (u, v) -> (-v, u)
    ASSERT_EQ(ApplyTransformToSprite(s, quarter), 1);
    Buffer b(32, 24);
    Draw(b, {0, 0, 32, 24});
    Expect(b, [](int x, int y) -> uint16_t {
        double rx = x + 0.5 - 20, ry = y + 0.5 - 10;
        int u = int(std::floor(ry)), v = int(std::floor(-rx));
        if (u < 0 || u >= 6 || v < 0 || v >= 4 || (u == 0 && v == 0)) return kBackground;
        return Pattern(u, v);
    });
    // Nearly singular: nothing drawn while it stays applied.
    const double flat[4] = {0.001, 0, 0, 0.001};
    ASSERT_EQ(ApplyTransformToSprite(s, flat), 1);
    Buffer c(32, 24);
    Draw(c, {0, 0, 32, 24});
    Expect(c, [](int, int) { return kBackground; });
}

TEST_F(Render, ProjectedPicturesLieFlatWithoutRotation) {
    int32_t s = Make(0, 6, 4, 8, 5);
    quor::ImageHeader* pic = PictureOf(s);
    reinterpret_cast<uint16_t*>(pic + 1)[1] = uint16_t(pic->key);
    const double none[4] = {1, 0, 0, 0}, shifted[3] = {3, -2, 0};
    ASSERT_EQ(Apply3DTransformToSprite(s, none, shifted), 1);
    Buffer b(24, 16);
    Draw(b, {0, 0, 24, 16});
    Expect(b, [](int x, int y) -> uint16_t {
        int u = x - 11, v = y - 3;
        if (u < 0 || u >= 6 || v < 0 || v >= 4 || (u == 1 && v == 0)) return kBackground;
        return Pattern(u, v);
    });
    // A quarter turn about the depth axis: (u, v) -> (-v, u), as the 2D matrix does.
    const double quarter[4] = {std::sqrt(0.5), 0, 0, std::sqrt(0.5)}, origin[3] = {0, 0, 0};
    ASSERT_EQ(Apply3DTransformToSprite(s, quarter, origin), 1);
    Buffer c(24, 16);
    Draw(c, {0, 0, 24, 16});
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x) {
            double rx = x + 0.5 - 8, ry = y + 0.5 - 5;
            int u = int(std::floor(ry)), v = int(std::floor(-rx));
            bool in = u >= 0 && u < 6 && v >= 0 && v < 4 && !(u == 1 && v == 0);
            // Pixels whose centre lies right on a picture edge may fall either way.
            if (std::fabs(ry - std::round(ry)) < 1e-6 || std::fabs(rx - std::round(rx)) < 1e-6) continue;
            ASSERT_EQ(c.At(x, y), in ? Pattern(u, v) : kBackground) << x << "," << y;
            drawn += in;
        }
    EXPECT_EQ(drawn, 23);
}

TEST_F(Render, DepthOrderAfterMovesAndPlaces) {
    auto solid = [](uint16_t c) { return [c](int, int) { return c; }; };
    int32_t a = Make(1, 4, 4, 0, 0, 1, 0, solid(0x001F));
    int32_t b = Make(1, 4, 4, 2, 0, 2, 0, solid(0x03E0));
    int32_t c = Make(1, 4, 4, 4, 0, 2, 0, solid(0x7C00));  // equal depth: after b
    auto order = [&] {
        std::vector<int32_t> v;
        Layer().ForEach([&](Sprite* s) { v.push_back(s->Handle()); });
        return v;
    };
    EXPECT_EQ(order(), (std::vector<int32_t>{a, b, c}));
    Buffer b1(8, 4);
    Draw(b1, {0, 0, 8, 4});
    EXPECT_EQ(b1.At(2, 0), 0x03E0);
    EXPECT_EQ(b1.At(4, 0), 0x7C00);

    int16_t deeper[4] = {0, 0, 5, 0};
    ASSERT_EQ(MoveSprite(a, deeper), 1);  // depth 6: in front of all
    EXPECT_EQ(order(), (std::vector<int32_t>{b, c, a}));
    Buffer b2(8, 4);
    Draw(b2, {0, 0, 8, 4});
    EXPECT_EQ(b2.At(2, 0), 0x001F);

    struct {
        int16_t x, y;
        int32_t depth;
    } same = {2, 0, 2};
    ASSERT_EQ(PlaceSprite(b, &same), 1);  // the same depth: no re-sort
    EXPECT_EQ(order(), (std::vector<int32_t>{b, c, a}));
    same.depth = -1;
    ASSERT_EQ(PlaceSprite(b, &same), 1);
    EXPECT_EQ(order(), (std::vector<int32_t>{b, c, a}));
    same.depth = 7;
    ASSERT_EQ(PlaceSprite(b, &same), 1);
    EXPECT_EQ(order(), (std::vector<int32_t>{c, a, b}));
    same.depth = 2;
    ASSERT_EQ(PlaceSprite(b, &same), 1);  // back among equals: after c
    EXPECT_EQ(order(), (std::vector<int32_t>{c, b, a}));
}

TEST_F(Render, AWrappingWorldDrawsBothPieces) {
    {
        PaintingLock hold;
        Layer().SetWorld(100, 50, true, false);
    }
    int32_t s = Make(1, 8, 3, 96, 10);
    (void)s;
    Buffer b(100, 20);
    Draw(b, {0, 0, 100, 20});
    Expect(b, [](int x, int y) -> uint16_t {
        int j = y - 10;
        if (j < 0 || j >= 3) return kBackground;
        if (x >= 96) return Pattern(x - 96, j);
        if (x < 4) return Pattern(x + 4, j);
        return kBackground;
    });
    PaintingLock hold;
    Layer().SetWorld(2147483647, 2147483647, false, false);
}

// A sprite exactly as large as a world that wraps both ways, placed off its origin, shows
// every world pixel once: each the pixel it shows when the world does not wrap, folded back.
TEST_F(Render, AWorldSizedSpriteWrapsLikeItsUnwrappedSelf) {
    const int W = 10, H = 9;
    const struct {
        int16_t x, y;
        uint32_t flips;
    } places[] = {{4, 3, 0}, {-6, -5, 0}, {13, 12, 1}, {4, 5, 2}};
    for (const auto& at : places) {
        int32_t s = Make(1, W, H, at.x, at.y, 0, at.flips);
        const int left = Examined(s).bounds.left, top = Examined(s).bounds.top;  // mirrored: left of x
        Buffer unwrapped(4 * W, 4 * H);
        Draw(unwrapped, {-W, -H, 3 * W, 3 * H}, -W, -H);
        {
            PaintingLock hold;
            Layer().SetWorld(W, H, true, true);
        }
        Buffer wrapped(W, H);
        Draw(wrapped, {0, 0, W, H});
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                // The unwrapped point inside the sprite's bounds that this world point shows.
                const int ux = left + (((x - left) % W) + W) % W, uy = top + (((y - top) % H) + H) % H;
                ASSERT_EQ(wrapped.At(x, y), unwrapped.At(ux + W, uy + H))
                    << "sprite at " << at.x << "," << at.y << " pixel " << x << "," << y;
            }
        PaintingLock hold;
        Layer().SetWorld(2147483647, 2147483647, false, false);
        DeleteSprite(s);
        made_.pop_back();
    }
}

TEST_F(Render, LevelMasksWithAndWithoutAnEffect) {
    int32_t s = Make(2, 3, 1, 0, 0, 0, 0, [](int x, int) { return uint16_t(x == 0 ? 0 : 255); });
    ASSERT_EQ(PictureOf(s)->kind, quor::KindLevelMask);
    {
        Buffer b(4, 1);
        Draw(b, {0, 0, 4, 1});
        EXPECT_EQ(b.At(0, 0), kBackground);  // level 0 keeps the pixel
        EXPECT_EQ(b.At(1, 0), 0);            // level 255 darkens it fully
        EXPECT_EQ(b.At(3, 0), kBackground);
    }
    HQUOREFFECT red = FadeToColorEffect(RGB(255, 0, 0));
    ASSERT_EQ(ApplyEffectToSprite(s, red), 1);
    ReleaseEffect(red);
    {
        Buffer b(4, 1);
        Draw(b, {0, 0, 4, 1});
        EXPECT_EQ(b.At(0, 0), kBackground);
        EXPECT_EQ(b.At(1, 0), 0x7C00);
        EXPECT_EQ(b.At(2, 0), 0x7C00);
    }
}

TEST_F(Render, ColourTablesTranslateEveryDrawnPixel) {
    std::vector<uint8_t> colours(32768 * 4);
    for (size_t i = 0; i < 32768; ++i) colours[i * 4 + 2] = 255;  // every entry blue
    HQUORXLATE table = CreateColorXlateTable(32768, colours.data());
    ASSERT_NE(table, nullptr);
    int32_t s = Make(0, 4, 2, 0, 0);
    quor::ImageHeader* pic = PictureOf(s);
    reinterpret_cast<uint16_t*>(pic + 1)[1] = uint16_t(pic->key);
    ASSERT_EQ(TranslateSpriteColors(s, table), 1);
    for (int scaled = 0; scaled < 2; ++scaled) {
        if (scaled) {
            ASSERT_EQ(ScaleSprite(s, 2, 1), 1);
        }
        Buffer b(10, 4);
        Draw(b, {0, 0, 10, 4});
        const int k = scaled ? 2 : 1;
        Expect(b, [&](int x, int y) -> uint16_t {
            if (x >= 4 * k || y >= 2 * k) return kBackground;
            return (x / k == 1 && y / k == 0) ? kBackground : uint16_t(0x001F);
        });
    }
    ASSERT_EQ(TranslateSpriteColors(s, nullptr), 1);
    DeleteColorXlateTable(table);
}

TEST_F(Render, ChangeRectanglesAndHitListing) {
    int32_t a = Make(1, 4, 4, 10, 10, 1);
    int32_t b = Make(1, 4, 4, 12, 12, 2);
    std::vector<RECT> got;
    auto collect = [&] {
        got.clear();
        PaintingLock hold;
        Layer().CollectChanges([&](const RECT& r) { got.push_back(r); });
    };
    auto has = [&](RECT want) {
        for (const RECT& r : got)
            if (EqualRect(&r, &want)) return true;
        return false;
    };
    collect();
    EXPECT_TRUE(has({10, 10, 14, 14}));
    EXPECT_TRUE(has({12, 12, 16, 16}));
    collect();
    EXPECT_TRUE(got.empty()) << "forgotten once collected";

    int16_t d[4] = {5, 0, 0, 0};
    ASSERT_EQ(MoveSprite(a, d), 1);
    collect();
    EXPECT_TRUE(has({10, 10, 14, 14}));
    EXPECT_TRUE(has({15, 10, 19, 14}));
    EXPECT_EQ(got.size(), 2u);

    int32_t handles[4] = {-1, -1, -1, -1};
    {
        PaintingLock hold;
        EXPECT_EQ(Layer().HitTest(15, 12, handles, 4), 2);
    }
    EXPECT_EQ(handles[0], a);  // back to front: a lies deeper
    EXPECT_EQ(handles[1], b);
    EXPECT_EQ(handles[2], 0);
    EXPECT_EQ(handles[3], 0);

    ASSERT_EQ(MakeSpriteVisible(b, 0), 1);
    collect();
    EXPECT_TRUE(has({12, 12, 16, 16}));
    {
        PaintingLock hold;
        EXPECT_EQ(Layer().HitTest(15, 12, handles, 4), 1);
    }
    EXPECT_EQ(handles[0], a);

    // A deleted sprite's area is reported once it has gone.
    DeleteSprite(a);
    made_.erase(made_.begin());
    ASSERT_TRUE(WaitForWholeFrame());
    collect();
    EXPECT_TRUE(has({15, 10, 19, 14}));
}

}  // namespace

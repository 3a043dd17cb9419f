// Text sprites drawn with GDI: where each anchor puts the picture, what the drop shadow,
// emboss and outline add around the text, opaque backgrounds, new properties and the empty
// text. Checked by measuring bounds and the boxes that each colour's pixels fill, against
// the font's own measurements taken here.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "EngineInsides.h"
#include "FrameWaiter.h"
#include "ImageRecord.h"
#include "PictureBuffer.h"
#include "Quor2_5.h"
#include "SpriteRecords.h"
#include "SpriteLayer.h"
#include "StageTable.h"

namespace {

const auto* g_engine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

const uint16_t kBackground = Buffer::kFill;
const COLORREF kYellow = RGB(255, 255, 0), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kGreen = RGB(0, 128, 0);
const uint16_t kYellowPixel = 0x7FE0, kBluePixel = 0x001F, kRedPixel = 0x7C00, kGreenPixel = 0x0200;

int32_t LastError() { return GetLastQuorError(nullptr); }

struct TextProperties {
    uintptr_t font, text;
    uint32_t colour, background, effect1, effect2;
    int32_t offset;
    uint32_t options;
};


::testing::AssertionResult SameRect(const RECT& a, const RECT& b) {
    if (EqualRect(&a, &b)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << a.left << "," << a.top << ")-(" << a.right << "," << a.bottom
                                         << ") vs (" << b.left << "," << b.top << ")-(" << b.right << ","
                                         << b.bottom << ")";
}
RECT Shifted(RECT r, int dx, int dy) {
    OffsetRect(&r, dx, dy);
    return r;
}

class TextSprites : public ::testing::Test {
protected:
    void SetUp() override {
        stage_ = CreateStage(7);
        ASSERT_NE(stage_, 0);
        font_ = CreateFontA(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
        ASSERT_NE(font_, nullptr);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, font_);
        GetTextExtentPoint32A(dc, kText, int(std::strlen(kText)), &size_);
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        ascent_ = tm.tmAscent;
        SelectObject(dc, old);
        DeleteDC(dc);
        ASSERT_GT(size_.cx, 20);
        ASSERT_GT(size_.cy, 10);
    }
    void TearDown() override {
        for (int32_t s : made_) DeleteSprite(s);
        ASSERT_TRUE(WaitForWholeFrame());
        DeleteStage(stage_);
        DeleteObject(font_);
    }
    TextProperties Properties(const char* text = kText) {
        return {uintptr_t(font_), uintptr_t(text), kYellow, kGreen, kBlue, kRed, 0, 0};
    }
    int32_t Make(const TextProperties& p, uint32_t flags, int16_t x = 100, int16_t y = 80, uint32_t type = 5) {
        SpriteCreateRecord r = CreationRecord(type, &p, stage_, x, y, 0, flags);
        int32_t s = CreateSprite(&r);
        if (s) made_.push_back(s);
        return s;
    }
    RECT Bounds(int32_t s) { return Examined(s).bounds; }
    // Draws the stage's sprites (one at a time in these tests) into the buffer.
    void Draw(Buffer& b) {
        PaintingLock hold;
        Context()->stages->Find(stage_)->Layer().Draw(b.header, RECT{0, 0, b.header->width, b.header->height}, 0,
                                                      0);
    }
    void Drop(int32_t s) {
        DeleteSprite(s);
        made_.erase(std::find(made_.begin(), made_.end(), s));
        ASSERT_TRUE(WaitForWholeFrame());
    }

    static constexpr const char* kText = "Vellmoor 42";
    int32_t stage_ = 0;
    HFONT font_ = nullptr;
    SIZE size_ = {};
    int32_t ascent_ = 0;
    std::vector<int32_t> made_;
};

TEST_F(TextSprites, AnchorsPlaceThePictureAndNeverMirrorIt) {
    RECT ink = {};
    for (uint32_t h = 0; h < 3; ++h)
        for (uint32_t v = 0; v < 4; ++v) {
            int32_t s = Make(Properties(), h | v << 2, 200, 80);
            ASSERT_NE(s, 0) << std::hex << LastError();
            const int32_t left = 200 + (h == 0 ? 0 : h == 1 ? -size_.cx / 2 : -size_.cx);
            const int32_t top = 80 + (v == 0 ? 0 : v == 1 ? -size_.cy / 2 : v == 2 ? -ascent_ : -size_.cy);
            EXPECT_TRUE(SameRect(Bounds(s), RECT{left, top, left + size_.cx, top + size_.cy}))
                << "anchor " << h << "," << v;
            Buffer b(400, 160);
            Draw(b);
            const RECT here = b.Box(kYellowPixel, left, top);
            if (h == 0 && v == 0) {
                ink = here;
                EXPECT_GE(ink.left, 0);
                EXPECT_LE(ink.right, size_.cx);
                EXPECT_GT(ink.right - ink.left, size_.cx / 2) << "the text is drawn";
            } else {
                EXPECT_TRUE(SameRect(here, ink)) << "anchor " << h << "," << v;
            }
            Drop(s);
        }
}

TEST_F(TextSprites, ShadowEmbossAndOutlineSurroundTheText) {
    int32_t plain = Make(Properties(), 0);
    ASSERT_NE(plain, 0);
    Buffer pb(240, 160);
    Draw(pb);
    const RECT ink = pb.Box(kYellowPixel, 100, 80);
    Drop(plain);

    struct Case {
        const char* what;
        uint32_t flags;
        int32_t offset;
        int grow;        // added to width and height
        int textShift;   // where the text lies in the picture
    } cases[] = {
        {"drop shadow +3", 0x20, 3, 3, 0},
        {"drop shadow -3", 0x20, -3, 3, 3},
        {"emboss 1", 0x40, 1, 2, 1},
        {"outline 2", 0x80, 2, 4, 2},
        {"shadow wins over outline", 0xA0, 3, 3, 0},
    };
    for (const Case& c : cases) {
        TextProperties p = Properties();
        p.offset = c.offset;
        int32_t s = Make(p, c.flags);
        ASSERT_NE(s, 0);
        EXPECT_TRUE(SameRect(Bounds(s), RECT{100, 80, 100 + size_.cx + c.grow, 80 + size_.cy + c.grow})) << c.what;
        Buffer b(240, 160);
        Draw(b);
        EXPECT_TRUE(SameRect(b.Box(kYellowPixel, 100, 80), Shifted(ink, c.textShift, c.textShift))) << c.what;
        const RECT first = b.Box(kBluePixel, 100, 80), second = b.Box(kRedPixel, 100, 80);
        switch (c.flags & 0xE0) {
        case 0x20:
        case 0xA0:
            // The shadow's far edges (+3) or near edges (at 0) stand clear of the text.
            if (c.offset > 0) {
                EXPECT_EQ(first.right, ink.right + 3) << c.what;
                EXPECT_EQ(first.bottom, ink.bottom + 3) << c.what;
            } else {
                EXPECT_EQ(first.left, ink.left) << c.what;
                EXPECT_EQ(first.top, ink.top) << c.what;
            }
            EXPECT_EQ(second.right, -100000) << "no second colour";
            break;
        case 0x40:
            EXPECT_EQ(first.right, ink.right + 2) << c.what;
            EXPECT_EQ(first.bottom, ink.bottom + 2) << c.what;
            EXPECT_EQ(second.left, ink.left) << c.what;
            EXPECT_EQ(second.top, ink.top) << c.what;
            break;
        case 0x80:
            EXPECT_TRUE(SameRect(first, RECT{ink.left, ink.top, ink.right + 4, ink.bottom + 4})) << c.what;
            break;
        }
        Drop(s);
    }
}

TEST_F(TextSprites, OpaqueBackgroundsNewPropertiesAndEmptyText) {
    TextProperties p = Properties();
    p.options = 0x10;
    int32_t s = Make(p, 0);
    ASSERT_NE(s, 0);
    SpriteCreateRecord r = {};
    ASSERT_NE(ExamineSprite(s, &r), 0);
    const quor::ImageHeader* picture = reinterpret_cast<const quor::ImageHeader*>(uintptr_t(r.image));
    EXPECT_EQ(picture->kind & quor::KindKeyed, 0) << "an opaque background has no key";
    {
        Buffer b(240, 160);
        Draw(b);
        int text = 0;
        for (int y = 80; y < 80 + size_.cy; ++y)
            for (int x = 100; x < 100 + size_.cx; ++x) {
                const uint16_t v = b.At(x, y);
                ASSERT_TRUE(v == kYellowPixel || v == kGreenPixel) << x << "," << y << ": " << std::hex << v;
                text += v == kYellowPixel;
            }
        EXPECT_GT(text, 20);
        EXPECT_EQ(b.At(99, 80), kBackground);
    }

    // New text, drawn again with the sprite's anchors: right-aligned, the picture grows
    // to the left.
    static const char kLonger[] = "Vellmoor 42 and more";
    TextProperties q = Properties(kLonger);
    int32_t t = Make(Properties(), 2);
    ASSERT_NE(t, 0);
    EXPECT_EQ(Bounds(t).right, 100);
    ASSERT_EQ(ModifyTextSpriteProperties(t, &q), 1);
    const RECT longer = Bounds(t);
    EXPECT_EQ(longer.right, 100);
    EXPECT_GT(longer.right - longer.left, size_.cx);
    // The empty text: a transparent 1 x 1 picture at the position.
    TextProperties empty = Properties("");
    ASSERT_EQ(ModifyTextSpriteProperties(t, &empty), 1);
    EXPECT_TRUE(SameRect(Bounds(t), RECT{100, 80, 101, 81}));
    ASSERT_NE(ExamineSprite(t, &r), 0);
    picture = reinterpret_cast<const quor::ImageHeader*>(uintptr_t(r.image));
    EXPECT_NE(picture->kind & quor::KindKeyed, 0);
    EXPECT_EQ(picture->key, 0u);
    EXPECT_EQ(*reinterpret_cast<const uint16_t*>(picture + 1), 0);

    EXPECT_EQ(ModifyTextSpriteProperties(t, nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);
    uint32_t od[16] = {1, 2, 2, 0, 0, 0};
    SpriteCreateRecord o = {};
    o.type = 9;
    o.extra = uintptr_t(od);
    o.parent = uint32_t(stage_);
    int32_t other = CreateSprite(&o);
    ASSERT_NE(other, 0);
    made_.push_back(other);
    EXPECT_EQ(ModifyTextSpriteProperties(other, &q), 0);
    EXPECT_EQ(LastError(), ErrWrongKind);
    // A fixed text sprite stays where it is.
    int32_t fixed = Make(Properties(), 0, 10, 10, 4);
    ASSERT_NE(fixed, 0);
    int16_t d[4] = {1, 0, 0, 0};
    EXPECT_EQ(MoveSprite(fixed, d), 0);
    EXPECT_EQ(LastError(), ErrNotMovable);
}

}  // namespace

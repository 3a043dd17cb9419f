// Bitmap views: the display depth, palettes for 8-bit displays, painting a picture as
// displays of every depth need it (and white without one), and the edit view that stands
// in for a dialog control with its view buffer, border overlay, dimming and mouse
// listeners.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <vector>

#include "BitmapEditView.h"
#include "BitmapView.h"
#include "ScreenDepth.h"

namespace {

const uint16_t kRed = 0x7C00, kGreen = 0x03E0, kBlue = 0x001F, kWhite = 0x7FFF;

// A 24-bit top-down memory picture that painting goes into, black at first.
class Canvas {
public:
    Canvas(int w, int h) : width_(w) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, w, h, BLACKNESS);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    HDC Dc() const { return dc_; }
    // 0x00RRGGBB
    uint32_t At(int x, int y) const {
        GdiFlush();
        const uint8_t* p = bits_ + size_t(y) * ((width_ * 3 + 3) & ~3) + size_t(x) * 3;
        return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }

private:
    int width_;
    uint8_t* bits_ = nullptr;
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};

void Put(const Bitmap& b, int x, int y, uint16_t value) {
    reinterpret_cast<uint16_t*>(b.View().Row(y))[x] = value;
}
uint16_t Get(const Bitmap& b, int x, int y) { return reinterpret_cast<const uint16_t*>(b.View().Row(y))[x]; }

TEST(ScreenDepth, TheDisplayHasAKnownDepth) {
    const int depth = GetScreenDepth();
    EXPECT_TRUE(depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32) << depth;
}

TEST(ScreenDepth, PalettesTakeAnEightBitBitmapsColoursAndKeepTheStaticOnes) {
    RGBQUAD colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
    Bitmap eight(2, 2, 8, true, colours);
    HPALETTE palette = CreateBitmapPalette(eight);
    ASSERT_NE(nullptr, palette);
    PALETTEENTRY entries[256];
    ASSERT_EQ(256u, GetPaletteEntries(palette, 0, 256, entries));
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(BYTE(i / 2), entries[i].peRed);
        EXPECT_EQ(BYTE(i), entries[i].peBlue);
        EXPECT_EQ((i < 10 || i >= 246) ? 0 : PC_NOCOLLAPSE, entries[i].peFlags) << i;
    }
    DeleteObject(palette);
    Bitmap deep(2, 2, 24, true);
    palette = CreateBitmapPalette(deep);
    ASSERT_EQ(256u, GetPaletteEntries(palette, 0, 256, entries));
    for (const PALETTEENTRY& e : entries) EXPECT_EQ(0u, uint32_t(e.peRed | e.peGreen | e.peBlue | e.peFlags));
    DeleteObject(palette);
}

TEST(BitmapView, PaintsThePictureOnDisplaysOfEveryDepth) {
    for (int depth : {8, 15, 16, 24, 32}) {
        BitmapView view;
        Bitmap& picture = view.GetBitmap();
        ASSERT_TRUE(picture.Create(4, 2, 15, false));
        const uint16_t pixels[2][4] = {{kRed, kGreen, kBlue, kWhite}, {kWhite, kBlue, kGreen, kRed}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) Put(picture, x, y, pixels[y][x]);
        Canvas canvas(6, 3);
        view.Paint(canvas.Dc(), RECT{0, 0, 6, 3}, depth);
        EXPECT_EQ(0xFF0000u, canvas.At(0, 0)) << depth;
        EXPECT_EQ(0x00FF00u, canvas.At(1, 0)) << depth;
        EXPECT_EQ(0x0000FFu, canvas.At(2, 0)) << depth;
        EXPECT_EQ(0xFFFFFFu, canvas.At(3, 0)) << depth;
        EXPECT_EQ(0xFF0000u, canvas.At(3, 1)) << depth;
        EXPECT_EQ(0u, canvas.At(4, 0)) << "only the picture is painted, at depth " << depth;
    }
}

TEST(BitmapView, WithoutAPictureTheUpdateAreaIsWhite) {
    BitmapView view;
    Canvas canvas(6, 4);
    view.Paint(canvas.Dc(), RECT{1, 1, 4, 3}, 32);
    EXPECT_EQ(0xFFFFFFu, canvas.At(1, 1));
    EXPECT_EQ(0xFFFFFFu, canvas.At(3, 2));
    EXPECT_EQ(0u, canvas.At(0, 0));
    EXPECT_EQ(0u, canvas.At(4, 3));
}

class RecordingListener : public BitmapMouseListener {
public:
    void OnMouse(int x, int y, WPARAM keys) override { heard.push_back({x, y, int(keys)}); }
    std::vector<std::vector<int>> heard;
};

class BitmapEditViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_.SetStyle(WS_POPUP | WS_VISIBLE);
        parent_.SetRect(RECT{10, 10, 310, 210});
        ASSERT_EQ(1, parent_.Create(nullptr));
        HWND placeholder = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 20, 30, 100, 50, parent_.GetHandle(),
                                         HMENU(UINT_PTR(7)), nullptr, nullptr);
        ASSERT_NE(nullptr, placeholder);
        view_ = std::make_unique<BitmapEditView>(parent_, 7);
        ASSERT_NE(nullptr, view_->GetHandle());
    }
    void TearDown() override { view_.reset(); }

    Window parent_;
    std::unique_ptr<BitmapEditView> view_;
};

TEST_F(BitmapEditViewTest, TakesThePlaceOfItsControlWithBuffersOfItsClientSize) {
    EXPECT_EQ(nullptr, GetDlgItem(parent_.GetHandle(), 7));
    EXPECT_EQ(view_->GetHandle(), GetDlgItem(parent_.GetHandle(), 10007));
    EXPECT_EQ(WS_CHILD | WS_VISIBLE | WS_TABSTOP, DWORD(GetWindowLongA(view_->GetHandle(), GWL_STYLE)) &
                                                      (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_POPUP));
    EXPECT_EQ(20, view_->GetViewRect().left);
    EXPECT_EQ(30, view_->GetViewRect().top);
    EXPECT_EQ(100, view_->GetViewBuffer().Width());
    EXPECT_EQ(50, view_->GetViewBuffer().Height());
    EXPECT_EQ(15, view_->GetViewBuffer().Depth());
    EXPECT_EQ(kWhite, Get(view_->GetViewBuffer(), 0, 0));
    EXPECT_EQ(kWhite, Get(view_->GetOverlay(), 99, 49));
}

TEST_F(BitmapEditViewTest, ThePictureIsCentredAcrossTheBorderLiesOverItAndDimmingHalves) {
    Bitmap& picture = view_->GetBitmap();
    ASSERT_TRUE(picture.Create(20, 10, 24, true));
    for (int y = 0; y < 10; ++y) std::memset(picture.View().Row(y), 0x40, 60);
    view_->Redraw();
    const Bitmap& buffer = view_->GetViewBuffer();
    EXPECT_EQ(kWhite, Get(buffer, 39, 5));
    EXPECT_EQ(0x2108, Get(buffer, 40, 5)) << "grey 0x40 in 5-5-5";
    EXPECT_EQ(0x2108, Get(buffer, 59, 9));
    EXPECT_EQ(kWhite, Get(buffer, 60, 5));
    EXPECT_EQ(kWhite, Get(buffer, 45, 10));

    view_->DrawBorder();
    EXPECT_TRUE(view_->IsBorderDrawn());
    view_->SetShowOverlay(true);
    view_->Redraw();
    EXPECT_EQ(kRed, Get(buffer, 0, 0));
    EXPECT_EQ(kRed, Get(buffer, 1, 25));
    EXPECT_EQ(kRed, Get(buffer, 98, 48));
    EXPECT_EQ(kWhite, Get(buffer, 2, 25)) << "two pixels wide";
    EXPECT_EQ(kRed, Get(buffer, 45, 0)) << "over the picture too";
    EXPECT_EQ(0x2108, Get(buffer, 45, 5));

    view_->SetShowOverlay(false);
    view_->SetDim(true);
    view_->Redraw();
    EXPECT_EQ(0x3DEF, Get(buffer, 0, 0)) << "white dims to half";
    EXPECT_EQ(0x1084, Get(buffer, 45, 5));
}

TEST_F(BitmapEditViewTest, ZoomFillsTheViewAsFarAsTheProportionsAllow) {
    Bitmap& picture = view_->GetBitmap();
    ASSERT_TRUE(picture.Create(10, 10, 15, true));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) Put(picture, x, y, kBlue);
    view_->SetZoom(true);
    view_->Redraw();
    const Bitmap& buffer = view_->GetViewBuffer();
    // 50 by 50, centred in 100 by 50.
    EXPECT_EQ(kWhite, Get(buffer, 24, 25));
    EXPECT_EQ(kBlue, Get(buffer, 25, 0));
    EXPECT_EQ(kBlue, Get(buffer, 74, 49));
    EXPECT_EQ(kWhite, Get(buffer, 75, 25));
}

TEST_F(BitmapEditViewTest, MouseMessagesReachTheirListenersWithSignedPoints) {
    RecordingListener down, up, move, leave;
    HWND w = view_->GetHandle();
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));  // nobody listens yet
    view_->SetMouseDownHandler(&down);
    view_->SetMouseUpHandler(&up);
    view_->SetMouseMoveHandler(&move);
    view_->SetMouseLeaveHandler(&leave);
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 70));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(-3, -4));
    SendMessageA(w, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ((std::vector<std::vector<int>>{{5, 6, MK_LBUTTON}}), down.heard);
    EXPECT_EQ((std::vector<std::vector<int>>{{-3, 70, MK_LBUTTON | MK_SHIFT}}), move.heard);
    EXPECT_EQ((std::vector<std::vector<int>>{{-3, -4, 0}}), up.heard);
    EXPECT_EQ(1u, leave.heard.size());
    view_->SetMouseMoveHandler(nullptr);
    SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(1u, move.heard.size());
}

TEST_F(BitmapEditViewTest, TheWindowPaintsItsViewBuffer) {
    view_->SetDim(true);
    view_->Redraw();
    UpdateWindow(view_->GetHandle());
    HDC dc = GetDC(view_->GetHandle());
    const COLORREF shown = GetPixel(dc, 50, 25);
    ReleaseDC(view_->GetHandle(), dc);
    // Half white, as the display shows 5-5-5 grey 15.
    EXPECT_NEAR(GetRValue(shown), 0x7B, 8);
    EXPECT_EQ(GetRValue(shown), GetBValue(shown));
}

}  // namespace

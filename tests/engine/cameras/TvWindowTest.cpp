// TV windows on a real display: a stage seen through a camera, painted from the frame
// thread into a child window of a top-level window.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "Quor2_5.h"

namespace {

int32_t LastError() { return GetLastQuorError(nullptr); }

void Pump(int ms) {
    DWORD end = GetTickCount() + DWORD(ms);
    while (int32_t(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

LRESULT CALLBACK FrameProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

class TvWindows : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = FrameProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TvTestFrame";
        wc.hbrBackground = HBRUSH(GetStockObject(BLACK_BRUSH));
        RegisterClassA(&wc);
        frame_ = CreateWindowA("TvTestFrame", "tv", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr,
                               wc.hInstance, nullptr);
        tv_ = CreateWindowA("BraskQUOR_TV", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100, frame_, nullptr,
                            wc.hInstance, nullptr);
        ASSERT_NE(tv_, nullptr);
        stage_ = CreateStage(0);
        red_ = CreateSolidBrush(RGB(255, 0, 0));
        green_ = CreateSolidBrush(RGB(0, 255, 0));
        redBackdrop_ = CreateBrushBackdrop(red_, 640, 480);
        greenBackdrop_ = CreateBrushBackdrop(green_, 640, 480);
        ASSERT_EQ(SelectBackdrop(stage_, redBackdrop_), 1);
        camera_ = CreateCamera(stage_, 0, 0, nullptr);
        ASSERT_NE(camera_, 0u);
    }
    void TearDown() override {
        DestroyWindow(frame_);
        DeleteStage(stage_);
        DeleteUserBackdrop(redBackdrop_);
        DeleteUserBackdrop(greenBackdrop_);
        DeleteObject(red_);
        DeleteObject(green_);
    }
    COLORREF PixelAt(int x, int y) {
        HDC dc = GetDC(tv_);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(tv_, dc);
        return c;
    }
    HWND frame_ = nullptr, tv_ = nullptr;
    int32_t stage_ = 0;
    HBRUSH red_ = nullptr, green_ = nullptr;
    uint32_t redBackdrop_ = 0, greenBackdrop_ = 0, camera_ = 0;
};

bool IsRed(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 40 && GetBValue(c) < 40; }
bool IsGreen(COLORREF c) { return GetGValue(c) > 200 && GetRValue(c) < 40 && GetBValue(c) < 40; }

// Waits (bounded, generous for a loaded machine) until the pixel passes the check;
// `pump` processes the window's messages meanwhile, otherwise only the frame thread can
// change what the window shows.
template <class Check, class Pixel>
bool Eventually(Check check, Pixel pixel, bool pump) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 20000;) {
        if (check(pixel())) return true;
        if (pump) Pump(20);
        else Sleep(20);
    }
    return check(pixel());
}

TEST_F(TvWindows, ShowWhatTheCameraSeesAndFollowChanges) {
    EXPECT_EQ(PlugInTVSource(tv_, 1, reinterpret_cast<void*>(uintptr_t(camera_))), 1) << std::hex << LastError();
    EXPECT_TRUE(Eventually(IsRed, [&] { return PixelAt(50, 50); }, true)) << std::hex << PixelAt(50, 50);
    EXPECT_TRUE(IsRed(PixelAt(199, 99)));
    // No messages are processed now: only the frame thread can show the change.
    ASSERT_EQ(SelectBackdrop(stage_, greenBackdrop_), 1);
    EXPECT_TRUE(Eventually(IsGreen, [&] { return PixelAt(50, 50); }, false)) << std::hex << PixelAt(50, 50);
}

TEST_F(TvWindows, PlugsAndUnplugs) {
    EXPECT_EQ(PlugInTVSource(tv_, 2, nullptr), 1) << "nothing to unplug";
    EXPECT_EQ(PlugInTVSource(tv_, 1, reinterpret_cast<void*>(0x1234)), 0);
    EXPECT_EQ(LastError(), ErrBadVideoSource);
    EXPECT_EQ(PlugInTVSource(HWND(0x4321), 1, nullptr), 0);
    EXPECT_EQ(LastError(), ErrBadTV);
    uint32_t second = CreateCamera(stage_, 5, 5, nullptr);
    EXPECT_EQ(PlugInTVSource(tv_, 1, reinterpret_cast<void*>(uintptr_t(camera_))), 1);
    EXPECT_EQ(PlugInTVSource(tv_, 1, reinterpret_cast<void*>(uintptr_t(second))), 1) << "replaces the first";
    EXPECT_EQ(PlugInTVSource(tv_, 2, nullptr), 1);
    DeleteCamera(second);
}

TEST_F(TvWindows, MapWindowPointsToTheWorld) {
    struct {
        QuorViewPoint q;
        int32_t more[3];
    } r = {};
    r.q.size = sizeof r;
    EXPECT_EQ(QueryTVPoint(tv_, 5, 5, &r.q), 0) << "no source";
    EXPECT_EQ(r.q.worldX, -1);
    EXPECT_EQ(r.q.worldY, -1);

    ASSERT_EQ(PlugInTVSource(tv_, 1, reinterpret_cast<void*>(uintptr_t(camera_))), 1);
    POINT at = {630, 470};
    ASSERT_EQ(PlaceCamera(camera_, &at), 1);
    EXPECT_EQ(QueryTVPoint(tv_, 15, 12, &r.q), 1);
    EXPECT_EQ(r.q.worldX, 5) << "across the seam of the wrapping world";
    EXPECT_EQ(r.q.worldY, 2);
    EXPECT_EQ(r.q.stage, stage_);
    EXPECT_EQ(QueryTVPoint(tv_, 199, 99, &r.q), 1);
    EXPECT_EQ(QueryTVPoint(tv_, 200, 99, &r.q), 0) << "outside the view";
    EXPECT_EQ(r.q.worldX, -1);

    EXPECT_EQ(CylindricallyWarpTV(tv_, 800, -1, 0, 2), 0);
    EXPECT_EQ(CylindricallyWarpTV(tv_, 800, -1, 0, 1), 1);
    EXPECT_TRUE(Eventually(IsRed, [&] { return PixelAt(100, 50); }, true)) << "the middle of a warped flat picture";
    EXPECT_EQ(QueryTVPoint(tv_, 15, 12, &r.q), 1);
    EXPECT_EQ(StopWarpingTV(tv_), 1);
    EXPECT_EQ(StopWarpingTV(tv_), 0);
}

TEST_F(TvWindows, MoviePaletteSwitchesEveryTvAndBack) {
    ASSERT_EQ(PlugInTVSource(tv_, 1, reinterpret_cast<void*>(uintptr_t(camera_))), 1);
    EXPECT_EQ(StartOfMoviePalette(), 1);
    Pump(100);
    EXPECT_EQ(EndOfMoviePalette(), 1);
    EXPECT_TRUE(Eventually(IsRed, [&] { return PixelAt(30, 30); }, true)) << "the TV shows its stage again";
}

std::atomic<int> g_slowFrames{0};
void __stdcall SlowFrame(int32_t) {
    if (g_slowFrames > 0) {
        --g_slowFrames;
        Sleep(60);
    }
}

// The frame thread paints into the window while the window's own thread waits for the
// painting token in the TV's window procedure: neither may wait for the other.
TEST_F(TvWindows, FramePaintingDoesNotNeedTheWindowThread) {
    ASSERT_EQ(PlugInTVSource(tv_, 1, reinterpret_cast<void*>(uintptr_t(camera_))), 1);
    g_slowFrames = 10;
    ASSERT_EQ(SetFrameCallback(SlowFrame), 1);
    for (int i = 0; i < 40; ++i) {
        ASSERT_EQ(SelectBackdrop(stage_, i % 2 ? redBackdrop_ : greenBackdrop_), 1);
        InvalidateRect(tv_, nullptr, FALSE);
        UpdateWindow(tv_);
        Sleep(15);
    }
    SetFrameCallback(nullptr);
    SelectBackdrop(stage_, redBackdrop_);
    EXPECT_TRUE(Eventually(IsRed, [&] { return PixelAt(20, 20); }, true));
}

}  // namespace

// A stage for display items and reels, shown through its camera in a TV window on the test
// display, with the item asset file (ItemAssets.h) opened in the engine. The engine's
// frames run the game's frame listeners, as in the game.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "FrameListeners.h"
#include "ItemAssets.h"
#include "Quor2_5.h"
#include "SpriteParent.h"
#include "SpriteRecords.h"
#include "TvTestWindow.h"

// What a pixel of the window shows: the picture family (-1: background) and its sequence
// and frame.
struct Shown {
    int family = -1, sequence = -1, frame = -1;
    bool operator==(const Shown& o) const { return family == o.family && sequence == o.sequence && frame == o.frame; }
};
inline std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << "{family " << s.family << ", sequence " << s.sequence << ", frame " << s.frame << "}";
}

class ItemStage : public ::testing::Test, public ItemAssets {
protected:
    static constexpr int kTvWidth = 400, kTvHeight = 300;

    static Shown Decode(COLORREF c) {
        const int r = GetRValue(c) >> 3, g = GetGValue(c) >> 3, b = GetBValue(c) >> 3;
        if (r == 0 && g == 0 && b == 0) return Shown{};
        return Shown{b / 6, (r - 1) / 2, (g - 4) / 8};
    }

    void SetUp() override {
        path_ = Write("vsl_item_stage");
        file_ = OpenAssetFile(path_.c_str());
        ASSERT_NE(file_, -1);
        frame_ = OpenTvTestWindow(kTvWidth, kTvHeight, &tv_);
        ASSERT_NE(tv_, nullptr);
        stage_.stage = CreateStage(0);
        ASSERT_NE(stage_.stage, 0);
        black_ = HBRUSH(GetStockObject(BLACK_BRUSH));
        backdrop_ = CreateBrushBackdrop(black_, 640, 480);
        ASSERT_EQ(1, SelectBackdrop(stage_.stage, backdrop_));
        camera_.camera = CreateCamera(stage_.stage, 0, 0, nullptr);
        ASSERT_NE(camera_.camera, 0u);
        ASSERT_EQ(1, PlugInTVSource(tv_, 1, reinterpret_cast<void*>(uintptr_t(camera_.camera))));
        SetFrameRate(30);
        SetFrameCallback(&OnEngineFrame);
    }
    void TearDown() override {
        PlugInTVSource(tv_, 2, nullptr);
        DestroyWindow(frame_);
        Sleep(100);  // deleted sprites leave their slots at the end of the frame
        DeleteCamera(camera_.camera);
        DeleteStage(stage_.stage);
        stage_.stage = 0;
        DeleteUserBackdrop(backdrop_);
        CloseAssetFile(uint32_t(file_));
        DeleteFileA(path_.c_str());
    }

    uint32_t Asset(uint32_t index) const { return uint32_t(file_) | index; }
    uint32_t DigitAsset() const { return Asset(digitSprt); }
    uint32_t PlainDigitAsset() const { return Asset(plainDigitSprt); }
    uint32_t LampAsset() const { return Asset(lampSprt); }
    uint32_t StripAsset() const { return Asset(stripSprt); }
    uint32_t AnimationAsset() const { return Asset(animationSprt); }

    static void Pump(int milliseconds) {
        const DWORD end = GetTickCount() + DWORD(milliseconds);
        do {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(5);
        } while (int32_t(GetTickCount() - end) < 0);
    }
    // Pumps messages until `done` holds; bounded generously, since a busy machine runs the
    // frame thread late. Whether it came to hold.
    template <class Done>
    static bool PumpUntil(Done done, DWORD milliseconds = 20000) {
        const DWORD start = GetTickCount();
        do {
            Pump(10);
            if (done()) return true;
        } while (GetTickCount() - start < milliseconds);
        return false;
    }
    Shown At(int x, int y) const {
        HDC dc = GetDC(tv_);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(tv_, dc);
        return Decode(c);
    }
    // Waits (bounded) until the window shows `want` at the point; what it shows then.
    Shown ShowsEventually(int x, int y, const Shown& want) const {
        Shown got;
        PumpUntil([&] { return (got = At(x, y)) == want; });
        return got;
    }

    bool IsWhiteEventually(int x, int y) const {
        return PumpUntil([&] {
            HDC dc = GetDC(tv_);
            const COLORREF c = GetPixel(dc, x, y);
            ReleaseDC(tv_, dc);
            return (c | 0x070707) == 0xFFFFFF;
        });
    }

    std::string path_;
    int32_t file_ = -1;
    HWND frame_ = nullptr, tv_ = nullptr;
    StageParent stage_;
    CameraParent camera_;
    HBRUSH black_ = nullptr;
    uint32_t backdrop_ = 0;
};

// Reels on the item stage: a machine-screen stand-in that posts each reel stop to a window
// of the test's thread, where the test collects the reports in the order they came.
#pragma once
#include <memory>
#include <stdexcept>
#include <vector>

#include "ItemStage.h"
#include "Reel.h"

class ReelStage : public ItemStage, public ReelOwner {
protected:
    static constexpr int kTop = 40, kWindowHeight = 120;
    // The strip: stop s shows symbol kStrip[s].
    static constexpr uint32_t kStrip[kSymbols] = {3, 1, 4, 0, 5, 2, 7, 6};
    static constexpr int kStripLength = kSymbols * kSymbolSize;

    void SetUp() override {
        ItemStage::SetUp();
        reports_ = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(reports_, nullptr);
    }
    void TearDown() override {
        reels_.clear();
        DestroyWindow(reports_);
        ItemStage::TearDown();
    }

    static int Left(int reel) { return 20 + 60 * reel; }
    ReelSetup Setup(int reel, int innerDensity = 0, int outerDensity = 0, int windowHeight = kWindowHeight) {
        ReelSetup s;
        s.window = RECT{Left(reel), kTop, Left(reel) + kSymbolSize, kTop + windowHeight};
        for (uint32_t symbol : kStrip) s.strip.push_back(ReelStop{symbol, 1});
        s.symbolWidth = s.symbolHeight = kSymbolSize;
        s.reelNumber = reel;
        s.owner = this;
        s.parent = &stage_;
        s.stripAsset = StripAsset();
        s.innerDensity = innerDensity;
        s.outerDensity = outerDensity;
        return s;
    }
    Reel& AddReel(int reel) {
        reels_.push_back(std::make_unique<Reel>(Setup(reel)));
        return *reels_.back();
    }
    // Aims at stop k as the machine screen does, `turns` whole turns on from position 0.
    static ReelTarget TargetFor(int k, int turns) {
        ReelTarget t;
        t.targetStop = k;
        t.targetPosition = (kSymbols - 1 - k) * kSymbolSize + turns * kStripLength;
        return t;
    }
    // The reports that came in until `count` were there or the time ran out (which a wait
    // for reports that must come makes generous: a busy machine runs the frames late).
    std::vector<int> WaitForReports(size_t count, int milliseconds) {
        const DWORD end = GetTickCount() + DWORD(milliseconds);
        while (taken_.size() < count && int32_t(GetTickCount() - end) < 0) {
            MSG msg;
            while (PeekMessageA(&msg, reports_, kReelStoppedMessage, kReelStoppedMessage, PM_REMOVE))
                taken_.push_back(int(msg.lParam));
            if (taken_.size() < count) Sleep(2);
        }
        std::vector<int> taken;
        taken.swap(taken_);
        return taken;
    }
    // What the window shows in row `row` (0 = the middle row) of the reel.
    Shown Row(int reel, int row) const { return At(Left(reel) + 20, kTop + 60 + 40 * row); }
    static Shown Symbol(uint32_t symbol) { return Shown{kStripFamily, int(symbol), 0}; }

    // ReelOwner: what the machine screen will do.
    void OnReelStopped(int32_t reelNumber) override { PostReelStopped(reports_, reelNumber); }
    void SetReelStop(int32_t reelNumber, int32_t stop) override { setStops_.push_back({reelNumber, stop}); }
    int32_t ChooseReelStop(int32_t reelNumber) override { return reelNumber + 100; }
    void OnReelClick(int32_t reelNumber) override { clicks_.push_back(reelNumber); }

    HWND reports_ = nullptr;
    std::vector<int> taken_;
    std::vector<std::unique_ptr<Reel>> reels_;
    std::vector<std::pair<int, int>> setStops_;
    std::vector<int> clicks_;
};

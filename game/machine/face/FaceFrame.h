// The machine's frame listener: on every engine frame (the engine's frame thread) it posts
// the frame-tick message to the screen's window and moves the falling coins. The play face
// takes the tick on the user-interface thread.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "CoinDrop.h"
#include "FrameListeners.h"

const UINT kFrameTickMessage = 2349;

class FaceFrame : public FrameListener {
public:
    // Listens from now on; drop: the falling coins, null when the machine has none.
    FaceFrame(HWND window, CoinDrop* drop);
    // Listens no more: no frame runs this listener once it is gone.
    ~FaceFrame();
    FaceFrame(const FaceFrame&) = delete;
    FaceFrame& operator=(const FaceFrame&) = delete;

    void OnFrame(int32_t elapsedFrames) override;
    // The screen's window changed (null: no ticks are posted).
    void SetWindow(HWND window) { window_ = window; }

private:
    std::atomic<HWND> window_;
    CoinDrop* drop_;
};

// The machine's frame listener: on every engine frame (the engine's frame thread) it posts
// the frame-tick message to the screen's window and moves the falling coins. The tick
// handler, on the user-interface thread, gives each tick to the screen's play face.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "CoinDrop.h"
#include "FrameListeners.h"
#include "Handlers.h"

class MachineScreen;

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

// The screen's handler of the frame-tick message: it finds the screen's face each time,
// so that a tick arriving after the face went does nothing.
class FrameTickHandler : public MessageHandlerBase {
public:
    explicit FrameTickHandler(MachineScreen& screen) : screen_(screen) {}
    int Invoke(WPARAM, LPARAM, LRESULT* result) override;

private:
    MachineScreen& screen_;
};

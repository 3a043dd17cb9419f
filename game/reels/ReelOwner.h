// What a reel asks of the machine screen it turns for, and how it reports its stops.
#pragma once
#include <windows.h>

#include <cstdint>

// The message a stopped reel posts to the machine screen's window (lParam: reel number).
const UINT kReelStoppedMessage = 2348;

class ReelOwner {
public:
    // Called on the engine's frame thread, once per spin, when the reel has reached its
    // target. The machine screen posts kReelStoppedMessage (PostReelStopped) from here.
    virtual void OnReelStopped(int32_t reelNumber) = 0;
    // The reel's stop for the next spin is `stop`.
    virtual void SetReelStop(int32_t reelNumber, int32_t stop) = 0;
    // Draws the reel's next stop by the stop weights and answers it.
    virtual int32_t ChooseReelStop(int32_t reelNumber) = 0;
    // The player clicked the reel's window.
    virtual void OnReelClick(int32_t reelNumber) = 0;

protected:
    ~ReelOwner() = default;
};

// Posts the reel-stopped message with the reel number to the window.
inline void PostReelStopped(HWND window, int32_t reelNumber) {
    PostMessageA(window, kReelStoppedMessage, 0, LPARAM(reelNumber));
}

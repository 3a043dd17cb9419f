// Waiting for the engine's frame thread: a frame callback counts the frames, so a wait
// ends as soon as one whole frame has run after it began (sprites deleted before it are
// gone, and that frame's notifications have been delivered) instead of after a fixed
// sleep. The count is atomic: what the frame thread wrote before a frame is seen by the
// test once the wait returns.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "Quor2_5.h"

inline std::atomic<int>& FramesSeen() {
    static std::atomic<int> frames{0};
    return frames;
}

inline void __stdcall CountFrame(int32_t) { ++FramesSeen(); }

// Installs the counting callback and waits, at most two seconds, for two more frames: the
// frame under way at the call may have begun before it. False when the frames never came.
inline bool WaitForWholeFrame() {
    SetFrameCallback(&CountFrame);
    const int target = FramesSeen() + 2;
    for (int waited = 0; waited < 2000 && FramesSeen() < target; ++waited) Sleep(1);
    return FramesSeen() >= target;
}

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

// Installs the counting callback and waits for two more frames: the frame under way at the
// call may have begun before it. False when the frames never came. The bound is wide, since
// a frame that draws a huge picture on a busy machine can take seconds; a stopped frame
// thread is still told apart.
inline bool WaitForWholeFrame() {
    SetFrameCallback(&CountFrame);
    const int target = FramesSeen() + 2;
    const DWORD start = GetTickCount();
    while (FramesSeen() < target && GetTickCount() - start < 20000) Sleep(1);
    return FramesSeen() >= target;
}

// Takes the engine's painting token as a host does. The token is shared by every process
// that runs the engine: a test program that ended holding it leaves it abandoned, and the
// next take owns it all the same (WAIT_ABANDONED).
inline bool TakeToken(int token) {
    const DWORD taken = GetThreadSyncToken(token);
    return taken == WAIT_OBJECT_0 || taken == WAIT_ABANDONED;
}

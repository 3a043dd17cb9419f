// Counts of what the process holds, for tests that look for leaks: engine stages and
// sprites, GDI objects and USER objects (windows of this process and menus). Where the
// system does not report GDI and USER counts, every handle slot is probed instead.
#pragma once
#include <windows.h>

#include "Quor2_5.h"

inline int LiveStages() {
    int count = 0;
    for (int32_t handle = 1; handle <= 256; ++handle) {
        PauseBackdropMovie(handle);
        int32_t detail = 0;
        if (GetLastQuorError(&detail) != ErrBadStage) ++count;
    }
    return count;
}

inline int LiveSprites() {
    int count = 0;
    SpriteCreateRecord record;
    for (int32_t handle = 1; handle <= 1024; ++handle)
        if (ExamineSprite(handle, &record)) ++count;
    return count;
}

inline int GdiObjects() {
    if (DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return int(reported);
    int count = 0;
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++count;
    return count;
}

inline int UserObjects() {
    if (DWORD reported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return int(reported);
    int count = 0;
    const DWORD self = GetCurrentProcessId();
    for (UINT_PTR slot = 0x20; slot < 0x10000; slot += 2) {
        HWND window = reinterpret_cast<HWND>(slot);
        DWORD process = 0;
        if (IsWindow(window)) {
            GetWindowThreadProcessId(window, &process);
            if (process == self) ++count;
        } else if (IsMenu(reinterpret_cast<HMENU>(window))) {
            ++count;
        }
    }
    return count;
}

struct ResourceCounts {
    int stages, sprites, gdi, user;
};

// Sprites deleted and not yet let go: the frame thread frees them at the end of a frame.
inline int DeletedSprites() {
    int count = 0;
    SpriteCreateRecord record;
    for (int32_t handle = 1; handle <= 1024; ++handle)
        if (ExamineSprite(handle, &record) && !(record.flags & QuorSpriteAlive)) ++count;
    return count;
}

// Taken once the frame thread has let deleted sprites go: bounded generously, since a busy
// machine runs its frames late.
inline ResourceCounts CountResources() {
    for (const DWORD start = GetTickCount(); DeletedSprites() > 0 && GetTickCount() - start < 20000;) Sleep(10);
    return ResourceCounts{LiveStages(), LiveSprites(), GdiObjects(), UserObjects()};
}

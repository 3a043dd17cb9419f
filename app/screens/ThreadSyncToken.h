// Holds the engine's thread-sync token 0 (the painting mutex) for a scope: the frame thread
// paints nothing while a stage, its camera, backdrop and sprites are made. The token goes
// back on every way out of the scope, exceptions included.
#pragma once
#include "Quor2_5.h"

class ThreadSyncToken {
public:
    ThreadSyncToken() : held_(Obtained(GetThreadSyncToken(0))) {}
    ~ThreadSyncToken() {
        if (held_) ReleaseThreadSyncToken(0);
    }
    ThreadSyncToken(const ThreadSyncToken&) = delete;
    ThreadSyncToken& operator=(const ThreadSyncToken&) = delete;

    // The mutex is shared by every process that runs the engine: one that ended while its
    // frame thread painted leaves it abandoned, and the next wait owns it all the same.
    static bool Obtained(DWORD wait) { return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED; }

private:
    bool held_;
};

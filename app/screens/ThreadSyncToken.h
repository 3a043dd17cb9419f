// Holds the engine's thread-sync token 0 (the painting mutex) for a scope: the frame thread
// paints nothing while a stage, its camera, backdrop and sprites are made. The token goes
// back on every way out of the scope, exceptions included.
#pragma once
#include "Quor2_5.h"

class ThreadSyncToken {
public:
    ThreadSyncToken() : held_(GetThreadSyncToken(0) == WAIT_OBJECT_0) {}
    ~ThreadSyncToken() {
        if (held_) ReleaseThreadSyncToken(0);
    }
    ThreadSyncToken(const ThreadSyncToken&) = delete;
    ThreadSyncToken& operator=(const ThreadSyncToken&) = delete;

private:
    bool held_;
};

// The engine's thread-sync token 0 as play's scene lock. A thread may take it again while
// it holds it (a script handler run inside the payment that bets or clicks a button): the
// takes are counted per thread, and only the outermost take and give reach the engine, so
// that every take is given back exactly once.
#pragma once
#include "Quor2_5.h"
#include "SceneLock.h"
#include "ThreadSyncToken.h"

class EngineSceneLock : public SceneLock {
public:
    void Take() override {
        if (depth_++ == 0) held_ = ThreadSyncToken::Obtained(GetThreadSyncToken(0));
    }
    void Give() override {
        if (depth_ == 0 || --depth_ != 0) return;
        if (held_) ReleaseThreadSyncToken(0);
        held_ = false;
    }

    // How deep the calling thread holds the lock (0: not at all).
    static int Depth() { return depth_; }

private:
    // The token is one for the whole engine: the count is the thread's, not the object's.
    static inline thread_local int depth_ = 0;
    static inline thread_local bool held_ = false;
};

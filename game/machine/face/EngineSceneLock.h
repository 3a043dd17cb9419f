// The engine's thread-sync token 0 as play's scene lock.
#pragma once
#include "Quor2_5.h"
#include "SceneLock.h"

class EngineSceneLock : public SceneLock {
public:
    void Take() override { held_ = GetThreadSyncToken(0) == WAIT_OBJECT_0; }
    void Give() override {
        if (held_) ReleaseThreadSyncToken(0);
        held_ = false;
    }

private:
    bool held_ = false;
};

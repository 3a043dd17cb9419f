// Told the stage a compile or a build has reached, and asked whether the user cancelled.
#pragma once
#include <cstdint>

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual bool IsCancelled() = 0;
    virtual void SetStage(int32_t stage) = 0;
};

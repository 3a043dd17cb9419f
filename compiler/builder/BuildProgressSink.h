// What a machine build reports as it goes: the compile's stages and cancel questions, and
// the percentages of the steps after the compile.
#pragma once
#include <cstdint>

#include "ProgressSink.h"

class BuildProgressSink : public ProgressSink {
public:
    virtual void SetPercent(int32_t percent) = 0;
};

// Thrown by a build's cancel checks when the user cancelled.
class Cancellation {};

// Where the steps of a machine's generation report how far they have come, and learn
// whether the user has cancelled the build.
#pragma once
#include <cstdint>

class GenerationProgress {
public:
    virtual void SetPercent(int32_t percent) = 0;
    virtual bool IsCancelled() const = 0;

protected:
    ~GenerationProgress() = default;
};

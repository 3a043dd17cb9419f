// The arithmetic of a progress dialog: the whole task runs from 0 to 100 percent in steps;
// each step covers the span from where the previous one ended to its own end percent, and
// its progress is reported in percent of that span.
#pragma once
#include <cstdint>

class ProgressSteps {
public:
    // Ends the current step, then starts one that ends at `endPercent` overall.
    void BeginStep(int32_t endPercent);
    // Completes the current step; answers what is left of the whole (100 - base).
    int32_t EndStep();
    // Moves within the current step; answers the new overall position.
    int32_t SetStepPercent(int32_t percent);

    int32_t Base() const { return base_; }
    int32_t Span() const { return span_; }
    int32_t LastStepPercent() const { return stepPercent_; }
    int32_t Position() const { return position_; }

private:
    int32_t base_ = 0;
    int32_t span_ = 0;
    int32_t stepPercent_ = 0;
    int32_t position_ = 0;
};

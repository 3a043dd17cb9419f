#include "ProgressSteps.h"

void ProgressSteps::BeginStep(int32_t endPercent) {
    EndStep();
    span_ = endPercent - base_;
}

int32_t ProgressSteps::EndStep() {
    base_ += span_;
    span_ = 0;
    SetStepPercent(0);
    return 100 - base_;
}

int32_t ProgressSteps::SetStepPercent(int32_t percent) {
    stepPercent_ = percent;
    // Signed arithmetic, rounding toward zero.
    position_ = base_ + span_ * percent / 100;
    return position_;
}

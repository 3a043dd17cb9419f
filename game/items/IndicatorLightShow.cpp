#include "IndicatorLightShow.h"

#include <algorithm>
#include <atomic>

#include "CriticalLock.h"
#include "IndicatorDisplay.h"

namespace {

const int32_t kShowRate = 15;

enum StepKind { kFrame0, kFrame7, kFrame14, kRun0To7, kRun7To14, kRun14To21, kWave, kRestart };

struct ShowStep {
    StepKind kind;
    int32_t frames;
};

const ShowStep kSteps[] = {
    {kFrame0, 120},  {kRun0To7, 16},  {kFrame7, 120}, {kRun7To14, 16},
    {kFrame14, 120}, {kRun14To21, 16}, {kWave, 200},  {kRestart, 0},
};
const size_t kStepCount = sizeof kSteps / sizeof kSteps[0];

void ApplyStep(StepKind kind, IndicatorDisplay& display) {
    switch (kind) {
    case kFrame0: display.SetAllCellsFrame(0); break;
    case kFrame7: display.SetAllCellsFrame(7); break;
    case kFrame14: display.SetAllCellsFrame(14); break;
    case kRun0To7: display.PlayTogether(0, 7, 1, 1); break;
    case kRun7To14: display.PlayTogether(7, 14, 1, 1); break;
    case kRun14To21: display.PlayTogether(14, 21, 1, 1); break;
    case kWave: display.PlayWave(0, 21, 7, 20); break;
    case kRestart: break;
    }
    display.SetRate(kShowRate);
}

std::atomic<IndicatorLightShow*> g_show{nullptr};

}  // namespace

IndicatorLightShow& IndicatorLightShow::Get() {
    static IndicatorLightShow show;
    return show;
}

void IndicatorLightShow::RemoveIfShown(IndicatorDisplay* display) {
    if (IndicatorLightShow* show = g_show.load()) show->Remove(display);
}

IndicatorLightShow::IndicatorLightShow() : frameListener_(this, &IndicatorLightShow::OnFrame) {
    InitializeCriticalSection(&lock_);
    AddFrameListener(&frameListener_);
    g_show = this;
}

IndicatorLightShow::~IndicatorLightShow() {
    g_show = nullptr;
    RemoveFrameListener(&frameListener_);
    DeleteCriticalSection(&lock_);
}

void IndicatorLightShow::Add(IndicatorDisplay* display) {
    CriticalLock locked(&lock_);
    if (std::find(displays_.begin(), displays_.end(), display) == displays_.end()) displays_.push_back(display);
}

void IndicatorLightShow::Remove(IndicatorDisplay* display) {
    CriticalLock locked(&lock_);
    displays_.erase(std::remove(displays_.begin(), displays_.end(), display), displays_.end());
}

size_t IndicatorLightShow::GetCount() {
    CriticalLock locked(&lock_);
    return displays_.size();
}

void IndicatorLightShow::OnFrame(int32_t elapsedFrames) {
    for (int32_t i = 0; i < elapsedFrames; ++i) {
        if (framesLeft_ > 0) --framesLeft_;
        if (framesLeft_ == 0) RunStep();
    }
}

// The step at the pointer: the restart step first sends the pointer back to the start.
void IndicatorLightShow::RunStep() {
    if (kSteps[step_].kind == kRestart) step_ = 0;
    const ShowStep& step = kSteps[step_];
    {
        CriticalLock locked(&lock_);
        for (IndicatorDisplay* display : displays_) ApplyStep(step.kind, *display);
    }
    framesLeft_ = step.frames;
    step_ = (step_ + 1) % kStepCount;
}

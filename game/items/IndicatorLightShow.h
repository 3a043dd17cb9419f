// The one light show of the program: a fixed table of steps that runs on the frame thread
// and gives every registered indicator display the step's cell animation. It is made on
// first use and lives until the program exits.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "MemberFrameListener.h"

class IndicatorDisplay;

class IndicatorLightShow {
public:
    static IndicatorLightShow& Get();
    // Takes the display out of the show if the show exists (displays call it when they go).
    static void RemoveIfShown(IndicatorDisplay* display);

    IndicatorLightShow(const IndicatorLightShow&) = delete;
    IndicatorLightShow& operator=(const IndicatorLightShow&) = delete;

    // No duplicates.
    void Add(IndicatorDisplay* display);
    void Remove(IndicatorDisplay* display);
    size_t GetCount();
    // The step the show stands at (0-based) and the frames left in the one before it.
    size_t GetStep() const { return step_; }
    int32_t GetFramesLeft() const { return framesLeft_; }
    // The engine frames elapsed (called by the show's frame listener).
    void OnFrame(int32_t elapsedFrames);

private:
    IndicatorLightShow();
    ~IndicatorLightShow();
    void RunStep();

    size_t step_ = 0;
    int32_t framesLeft_ = 0;
    std::vector<IndicatorDisplay*> displays_;
    MemberFrameListener<IndicatorLightShow> frameListener_;
    CRITICAL_SECTION lock_;
};

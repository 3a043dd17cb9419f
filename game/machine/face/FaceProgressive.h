// The progressive jackpot of a machine that names a progressive indicator: the meter in
// cents shown on that indicator, kept per denomination in the settings of section
// "General", loaded when the face is built and given to the light show when the machine
// is entered.
#pragma once
#include "IndicatorDisplay.h"
#include "Money.h"
#include "ProgressiveMeter.h"
#include "SettingProgressiveStore.h"

class RandomSource;

class FaceProgressive : public ProgressiveIndicator {
public:
    // Loads the meter of the denomination onto the display.
    FaceProgressive(IndicatorDisplay& display, RandomSource& random, Money denomination);
    ~FaceProgressive() override;
    FaceProgressive(const FaceProgressive&) = delete;
    FaceProgressive& operator=(const FaceProgressive&) = delete;

    ProgressiveMeter& Meter() { return meter_; }
    IndicatorDisplay& Display() { return display_; }
    // The indicator joins the light show.
    void StartDisplay();

    void ShowProgressive(int32_t cents) override { display_.SetValue(cents); }

private:
    IndicatorDisplay& display_;
    SettingProgressiveStore store_;
    ProgressiveMeter meter_;
    bool shown_ = false;
};

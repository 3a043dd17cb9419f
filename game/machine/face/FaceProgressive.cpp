#include "FaceProgressive.h"

#include "IndicatorLightShow.h"

FaceProgressive::FaceProgressive(IndicatorDisplay& display, RandomSource& random, Money denomination)
    : display_(display), meter_(store_, random, denomination, this) {
    meter_.Load();
}

FaceProgressive::~FaceProgressive() {
    if (shown_) IndicatorLightShow::RemoveIfShown(&display_);
}

void FaceProgressive::StartDisplay() {
    IndicatorLightShow::Get().Add(&display_);
    shown_ = true;
}

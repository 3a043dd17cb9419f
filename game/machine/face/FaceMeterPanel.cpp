#include "FaceMeterPanel.h"

FaceMeterPanel::FaceMeterPanel(FaceIndicators& indicators, int denominationIndicator)
    : displays_{indicators.Find("Credit"), indicators.Find("Bet"), indicators.Find("WinnerPaid")},
      denomination_(indicators.At(denominationIndicator)) {}

int32_t FaceMeterPanel::GetMeter(Meter meter) const {
    IndicatorDisplay* display = displays_[int(meter)];
    return display ? display->GetValue() : unseen_[int(meter)];
}

void FaceMeterPanel::SetMeter(Meter meter, int32_t value) {
    if (IndicatorDisplay* display = displays_[int(meter)])
        display->SetValue(value);
    else
        unseen_[int(meter)] = value;
}

void FaceMeterPanel::ShowDenominationIndex(int index) {
    if (denomination_) denomination_->SetValue(index);
}

// The meters of play shown on a face's "Credit", "Bet" and "WinnerPaid" indicators. A meter
// whose indicator the machine lacks is still kept, unseen.
#pragma once
#include "FaceIndicators.h"
#include "MeterPanel.h"

class FaceMeterPanel : public MeterPanel {
public:
    // denominationIndicator: the position of the denomination indicator among the
    // indicator records (-1: none).
    FaceMeterPanel(FaceIndicators& indicators, int denominationIndicator);

    int32_t GetMeter(Meter meter) const override;
    void SetMeter(Meter meter, int32_t value) override;
    void ShowDenominationIndex(int index) override;

private:
    IndicatorDisplay* displays_[3];
    int32_t unseen_[3] = {0, 0, 0};
    IndicatorDisplay* denomination_;
};

// The three meters of a machine ("Credit", "Bet", "WinnerPaid" indicators), in whole coins.
#pragma once
#include <cstdint>

enum class Meter { Credit, Bet, WinnerPaid };

class MeterPanel {
public:
    virtual ~MeterPanel() = default;
    virtual int32_t GetMeter(Meter meter) const = 0;
    virtual void SetMeter(Meter meter, int32_t value) = 0;
    // The denomination indicator, when the machine has one: the denomination's position
    // among the machine's own.
    virtual void ShowDenominationIndex(int /*index*/) {}
};

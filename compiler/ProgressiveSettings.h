// A machine's progressive jackpot as its script gives it: initial value, increment, a
// third value (0 unless given) and the indicator that shows the amount.
#pragma once
#include <string>

struct ProgressiveSettings {
    double initial = 0.0;
    double increment = 0.0;
    double third = 0.0;
    std::string indicator;  // empty: no progressive
};

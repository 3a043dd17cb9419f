#include "DollarsToCents.h"

#include <cmath>

bool DollarsToCents(double dollars, int32_t& cents) {
    if (!(dollars >= 0.0)) return false;  // also refuses NaN
    double rounded = std::floor(dollars * 100.0 + 0.5);
    if (rounded > 2147483647.0) return false;
    cents = static_cast<int32_t>(rounded);
    return true;
}

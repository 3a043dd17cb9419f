#include "DetMath.h"

#include <cstdint>
#include <cstring>

namespace content {

namespace {

// pi/2 in two parts, the first of 33 bits, so that k times it is exact for |k| < 2^20.
const double kHalfPiHigh = 1.57079632673412561417e+00;
const double kHalfPiLow = 6.07710050650619224932e-11;
const double kTwoOverPi = 6.36619772367581382433e-01;
const double kLn2High = 6.93147180369123816490e-01;
const double kLn2Low = 1.90821492927058770002e-10;
const double kOverLn2 = 1.44269504088896338700e+00;

// The nearest integer (halves away from zero), computed by conversion, which is exact.
double Nearest(double x) {
    return x < 0 ? double(-int64_t(0.5 - x)) : double(int64_t(x + 0.5));
}

// 2 to the integer power k, for -1022 <= k <= 1023, built from its bits.
double PowerOfTwo(int k) {
    const uint64_t bits = uint64_t(k + 1023) << 52;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// sin and cos of r, |r| <= pi/4, by their Taylor series to the 17th and 16th power.
double SinKernel(double r) {
    const double z = r * r;
    double sum = 0;
    for (int n = 17; n >= 3; n -= 2) sum = (sum + 1) * z / double((n - 1) * n) * -1;
    return r + r * sum;
}

double CosKernel(double r) {
    const double z = r * r;
    double sum = 0;
    for (int n = 16; n >= 2; n -= 2) sum = (sum + 1) * z / double((n - 1) * n) * -1;
    return 1 + sum;
}

// sin (quadrantShift 0) or cos (1) of x: x less the nearest multiple k of pi/2, then the
// kernel that quadrant k wants.
double SinCos(double x, int quadrantShift) {
    const double k = Nearest(x * kTwoOverPi);
    const double r = (x - k * kHalfPiHigh) - k * kHalfPiLow;
    const int quadrant = int((int64_t(k) + quadrantShift) & 3);
    switch (quadrant) {
    case 0: return SinKernel(r);
    case 1: return CosKernel(r);
    case 2: return -SinKernel(r);
    default: return -CosKernel(r);
    }
}

}  // namespace

double DetSin(double x) { return SinCos(x, 0); }

double DetCos(double x) { return SinCos(x, 1); }

double DetExp(double x) {
    if (x > 709) x = 709;
    if (x < -708) return 0;
    const double k = Nearest(x * kOverLn2);
    const double r = (x - k * kLn2High) - k * kLn2Low;  // |r| <= ln 2 / 2
    double sum = 1, term = 1;
    for (int n = 1; n <= 18; ++n) {
        term = term * r / double(n);
        sum = sum + term;
    }
    return sum * PowerOfTwo(int(k));
}

double DetLog(double x) {
    if (!(x > 0)) return -1e308;
    // x = m * 2^e with m in [sqrt(1/2), sqrt(2)), then ln m = 2 atanh((m - 1) / (m + 1)).
    int e = 0;
    while (x >= 1.4142135623730951) { x = x * 0.5; ++e; }
    while (x < 0.7071067811865476) { x = x * 2; --e; }
    const double s = (x - 1) / (x + 1), z = s * s;
    double sum = 0;
    for (int n = 23; n >= 3; n -= 2) sum = (sum + 1.0 / n) * z;
    const double lnM = 2 * s + 2 * s * sum;
    return (e * kLn2Low + lnM) + e * kLn2High;
}

double DetPow(double base, double exponent) { return DetExp(exponent * DetLog(base)); }

}  // namespace content

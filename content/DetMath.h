// The content generator's own sine, cosine, exponential, logarithm and power. The runtime's
// functions are not the same in every build (the 32-bit and the 64-bit runtime round
// differently in the last bits), and the pictures and sounds are drawn from their results,
// so the generator calls these instead: they use nothing but the four operations of IEEE
// double arithmetic, in a fixed order, and give the same bits on every build that computes
// in double precision (SSE2, contraction off; see content/CMakeLists.txt). They are within
// a few units in the last place of the exact value over the ranges the generator uses.
#pragma once

namespace content {

double DetSin(double x);
double DetCos(double x);
double DetExp(double x);
// The natural logarithm of x > 0.
double DetLog(double x);
// base to the power exponent, for base > 0.
double DetPow(double base, double exponent);

}  // namespace content

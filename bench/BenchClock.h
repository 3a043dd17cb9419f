// Timing for the benchmarks: the performance counter, and repeated calls of a piece of
// work for about half a second.
#pragma once
#include <windows.h>

inline double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(frequency.QuadPart);
}

// Seconds per call of `work`, over about `seconds` of calls (after one to warm up).
template <class Work>
double SecondsPerCall(Work work, double seconds = 0.5) {
    work();
    int rounds = 0;
    const double start = Now();
    double elapsed = 0;
    do {
        for (int k = 0; k < 5; ++k) work();
        rounds += 5;
        elapsed = Now() - start;
    } while (elapsed < seconds);
    return elapsed / rounds;
}

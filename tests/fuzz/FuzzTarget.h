// The entry every fuzz target defines: libFuzzer calls it with each input in the fuzz
// builds, and the replay program of the ordinary native builds calls it with the committed
// seeds and regression inputs.
#pragma once
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// RIFF WAVE files: the reader checks every header field the library depends on, the writer
// makes the 16-bit PCM files of the render mode.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "SoundImage.h"

namespace aulo {

// Largest RIFF size accepted (a guard against a header that claims most of the memory).
const uint32_t kMaxWavBytes = 0x10000000u;

// A PCM WAV image: "RIFF", its size, "WAVE", then chunks; a "fmt " chunk of format 1 with
// 1 or 2 channels, 8 or 16 bits, a supported rate and a consistent block align and byte
// rate must come before the "data" chunk, which must lie within the image.
bool ParseWav(const uint8_t* data, size_t size, SoundImage& out);

// The 44-byte header of a PCM file holding `dataBytes` bytes of samples.
std::vector<uint8_t> MakeWavHeader(uint32_t rate, uint16_t bits, uint16_t channels, uint32_t dataBytes);

}  // namespace aulo

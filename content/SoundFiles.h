// Writing synthesized sounds as files: PCM WAV and the sound library's CWV.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "SoundSynth.h"

namespace content {

// The whole 16-bit PCM WAV file image of the buffer.
std::vector<uint8_t> WavImage(const SampleBuffer& buffer);

// Both return false when the file cannot be written.
bool WriteWavFile(const std::string& path, const SampleBuffer& buffer);
bool WriteCwvFile(const std::string& path, const SampleBuffer& buffer);

// Writes a whole byte image to a file.
bool WriteBytes(const std::string& path, const void* data, size_t size);

}  // namespace content

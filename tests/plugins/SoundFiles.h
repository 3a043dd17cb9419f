// Sounds for the tests: tones and silence as 16-bit samples, and WAV and CWV images of
// them, written to memory or to files.
#pragma once
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "CwvFile.h"
#include "WavFile.h"

struct TestSound {
    uint32_t rate = 22050;
    uint16_t channels = 2;
    std::vector<int16_t> samples;  // interleaved
    uint32_t Frames() const { return uint32_t(samples.size() / channels); }
};

// A sine of `amplitude` (0..1 of full scale) lasting `ms`, the same on every channel.
inline TestSound MakeTone(uint32_t ms, double hertz, double amplitude, uint32_t rate = 22050,
                          uint16_t channels = 2) {
    TestSound sound;
    sound.rate = rate;
    sound.channels = channels;
    const uint32_t frames = uint32_t(uint64_t(ms) * rate / 1000);
    for (uint32_t f = 0; f < frames; ++f) {
        const double v = amplitude * 32767.0 * std::sin(2.0 * 3.14159265358979 * hertz * f / rate);
        for (uint16_t c = 0; c < channels; ++c) sound.samples.push_back(int16_t(std::lround(v)));
    }
    return sound;
}

// A constant level (a "DC" sound), handy for checking gains exactly.
inline TestSound MakeLevel(uint32_t ms, int16_t level, uint32_t rate = 22050, uint16_t channels = 2) {
    TestSound sound;
    sound.rate = rate;
    sound.channels = channels;
    sound.samples.assign(size_t(uint64_t(ms) * rate / 1000) * channels, level);
    return sound;
}

inline std::vector<uint8_t> WavImage(const TestSound& sound) {
    const uint32_t bytes = uint32_t(sound.samples.size() * 2);
    std::vector<uint8_t> image = aulo::MakeWavHeader(sound.rate, 16, sound.channels, bytes);
    for (int16_t s : sound.samples) {
        image.push_back(uint8_t(s));
        image.push_back(uint8_t(uint16_t(s) >> 8));
    }
    return image;
}

inline std::vector<uint8_t> CwvImage(const TestSound& sound, uint16_t blockFrames = 1024) {
    return aulo::EncodeCwv(sound.samples.data(), sound.Frames(), sound.channels, sound.rate, blockFrames);
}

inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    uint8_t chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(f);
    return bytes;
}

// The 16-bit samples of a PCM WAV image (empty when it does not parse).
inline std::vector<int16_t> WavSamples(const std::vector<uint8_t>& image, aulo::SoundFormat* format = nullptr) {
    aulo::SoundImage sound;
    std::vector<int16_t> samples;
    if (!aulo::ParseWav(image.data(), image.size(), sound) || sound.format.bits != 16) return samples;
    if (format) *format = sound.format;
    for (size_t i = 0; i + 1 < sound.sampleBytes; i += 2)
        samples.push_back(int16_t(aulo::ReadLE16(sound.samples + i)));
    return samples;
}

// Root mean square of interleaved samples between two frames, as a fraction of full scale.
inline double RmsLevel(const std::vector<int16_t>& samples, size_t first, size_t end, uint16_t channels = 2) {
    double sum = 0;
    size_t count = 0;
    for (size_t i = first * channels; i < end * channels && i < samples.size(); ++i, ++count)
        sum += double(samples[i]) * samples[i];
    return count ? std::sqrt(sum / count) / 32767.0 : 0.0;
}

// Synthesized sounds: tones, noise and envelopes mixed into 16-bit interleaved sample
// buffers, from which the content generator writes its WAV and CWV files.
#pragma once
#include <cstdint>
#include <vector>

namespace content {

struct SampleBuffer {
    uint32_t rate = 22050;
    uint16_t channels = 1;
    std::vector<float> samples;  // interleaved, -1 to 1

    uint32_t Frames() const { return channels ? uint32_t(samples.size() / channels) : 0; }
    uint32_t FrameAt(double seconds) const { return uint32_t(seconds * rate); }
};

enum class Wave { Sine, Square, Triangle, Noise };

// How a voice's loudness moves: rises over `attack`, falls to `sustain` over `decay`,
// holds, and falls to silence over `release` before the voice's end (all in seconds).
struct Envelope {
    double attack = 0.005;
    double decay = 0.05;
    double sustain = 0.7;
    double release = 0.05;

    double At(double t, double length) const;
};

// One voice: a wave gliding from `startHz` to `endHz`, placed at `start` seconds.
struct Voice {
    Wave wave = Wave::Sine;
    double startHz = 440;
    double endHz = 440;
    double start = 0;
    double length = 0.2;
    double level = 0.5;
    double pan = 0;  // -1 left, 0 centre, 1 right (stereo buffers)
    Envelope envelope;
};

// A silent buffer of the given length.
SampleBuffer Silence(uint32_t rate, uint16_t channels, double seconds);

// Adds the voice into the buffer (clipped to the buffer's length). The noise is a fixed
// pseudo-random sequence seeded by `seed`, so the same voice always sounds the same.
void AddVoice(SampleBuffer& buffer, const Voice& voice, uint32_t seed = 1);

// Scales the buffer so that its loudest sample reaches `peak`.
void Normalize(SampleBuffer& buffer, double peak);

// The samples as 16-bit integers, clamped.
std::vector<int16_t> ToPcm16(const SampleBuffer& buffer);

}  // namespace content

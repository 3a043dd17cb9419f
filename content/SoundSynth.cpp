#include "SoundSynth.h"

#include <algorithm>
#include <cmath>

#include "DetMath.h"

namespace content {

namespace {

const double kTwoPi = 6.283185307179586;

double WaveAt(Wave wave, double phase, uint32_t& noise) {
    switch (wave) {
    case Wave::Sine: return DetSin(kTwoPi * phase);
    case Wave::Square: return phase - std::floor(phase) < 0.5 ? 0.6 : -0.6;
    case Wave::Triangle: {
        const double f = phase - std::floor(phase);
        return f < 0.5 ? 4 * f - 1 : 3 - 4 * f;
    }
    case Wave::Noise:
        noise = noise * 1664525u + 1013904223u;
        return double(int32_t(noise)) / 2147483648.0;
    }
    return 0;
}

}  // namespace

double Envelope::At(double t, double length) const {
    if (t < 0 || t >= length) return 0;
    double level = sustain;
    if (t < attack) level = t / attack;
    else if (t < attack + decay) level = 1 - (1 - sustain) * (t - attack) / decay;
    const double left = length - t;
    if (left < release) level *= left / release;
    return level;
}

SampleBuffer Silence(uint32_t rate, uint16_t channels, double seconds) {
    SampleBuffer b;
    b.rate = rate;
    b.channels = channels;
    b.samples.assign(size_t(b.FrameAt(seconds)) * channels, 0.0f);
    return b;
}

void AddVoice(SampleBuffer& buffer, const Voice& voice, uint32_t seed) {
    const uint32_t first = buffer.FrameAt(voice.start);
    const uint32_t count = buffer.FrameAt(voice.length);
    const uint32_t end = std::min(buffer.Frames(), first + count);
    const double left = buffer.channels == 2 ? (1 - voice.pan) / 2 : 1;
    const double right = (1 + voice.pan) / 2;
    uint32_t noise = seed;
    double phase = 0;
    for (uint32_t i = first; i < end; ++i) {
        const double t = double(i - first) / buffer.rate;
        const double hz = voice.startHz + (voice.endHz - voice.startHz) * t / voice.length;
        phase += hz / buffer.rate;
        const double v = voice.level * voice.envelope.At(t, voice.length) * WaveAt(voice.wave, phase, noise);
        float* frame = &buffer.samples[size_t(i) * buffer.channels];
        frame[0] += float(v * left);
        if (buffer.channels == 2) frame[1] += float(v * right);
    }
}

void Normalize(SampleBuffer& buffer, double peak) {
    float loudest = 0;
    for (float s : buffer.samples) loudest = std::max(loudest, std::fabs(s));
    if (loudest <= 0) return;
    const float scale = float(peak / loudest);
    for (float& s : buffer.samples) s *= scale;
}

std::vector<int16_t> ToPcm16(const SampleBuffer& buffer) {
    std::vector<int16_t> out(buffer.samples.size());
    for (size_t i = 0; i < out.size(); ++i) {
        const double v = std::max(-1.0, std::min(1.0, double(buffer.samples[i])));
        out[i] = int16_t(std::lround(v * 32767));
    }
    return out;
}

}  // namespace content

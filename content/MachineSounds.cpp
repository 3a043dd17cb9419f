#include "MachineSounds.h"

#include <stdexcept>

namespace content {

const MachinePitch kMachinePitches[] = {
    {"4thjuly", 392.0},   {"aussie", 220.0},      {"bars", 330.0},     {"climbfuji", 294.0},
    {"diamond7", 440.0},  {"diner", 349.0},       {"dodgec", 196.0},   {"gridiron", 262.0},
    {"gridirongold", 277.0}, {"losers", 185.0},   {"pirates", 220.0},  {"potofgold", 330.0},
    {"progressive", 370.0}, {"ransom", 247.0},    {"soldier", 208.0},  {"swimsuit", 392.0},
    {"venus", 466.0},     {"wizards", 233.0},     {"wof", 392.0},      {"wonders", 262.0},
    {"wwsports", 165.0},  {"foxfire", 523.3},
};
const size_t kMachinePitchCount = sizeof kMachinePitches / sizeof kMachinePitches[0];

namespace {

// The sounds were tuned with the fanfare on C; other machines move every voice alike.
const double kTunedPitch = 523.3;

NamedSound Sound(const std::string& file, double seconds, const std::vector<Voice>& voices) {
    SampleBuffer b = Silence(22050, 1, seconds);
    for (const Voice& v : voices) AddVoice(b, v);
    Normalize(b, 0.7);
    return NamedSound{file, b};
}

double PitchOf(const std::string& stem) {
    for (const MachinePitch& m : kMachinePitches)
        if (stem == m.stem) return m.pitch;
    throw std::invalid_argument("No pitch for the sounds of the machine " + stem);
}

}  // namespace

std::vector<NamedSound> CabinetSounds(const std::string& stem) {
    const double pitch = PitchOf(stem);
    const double k = pitch / kTunedPitch;
    std::vector<NamedSound> sounds;
    sounds.push_back(Sound(stem + "_spin.wav", 0.6,
                           {Voice{Wave::Noise, 0, 0, 0, 0.6, 0.5, 0, Envelope{0.05, 0.2, 0.4, 0.2}},
                            Voice{Wave::Triangle, 180 * k, 90 * k, 0, 0.6, 0.5}}));
    sounds.push_back(Sound(stem + "_stop.wav", 0.15,
                           {Voice{Wave::Square, 140 * k, 60 * k, 0, 0.15, 0.8, 0, Envelope{0.002, 0.05, 0.3, 0.05}}}));
    sounds.push_back(Sound(stem + "_coin.wav", 0.4,
                           {Voice{Wave::Sine, 2637, 2637, 0, 0.4, 0.6, 0, Envelope{0.002, 0.1, 0.3, 0.25}},
                            Voice{Wave::Sine, 3951, 3951, 0.05, 0.35, 0.4, 0, Envelope{0.002, 0.1, 0.3, 0.2}}}));
    std::vector<Voice> fanfare;  // a major arpeggio up to the octave
    const double steps[] = {1.0, 1.26, 1.498, 2.0};
    for (int i = 0; i < 4; ++i)
        fanfare.push_back(Voice{Wave::Triangle, pitch * steps[i], pitch * steps[i], i * 0.15, 0.5, 0.5});
    sounds.push_back(Sound(stem + "_win.wav", 1.0, fanfare));
    return sounds;
}

NamedSound CreditsChime() {
    SampleBuffer b = Silence(22050, 1, 0.5);
    AddVoice(b, Voice{Wave::Sine, 1568, 1568, 0, 0.5, 0.6, 0, Envelope{0.002, 0.1, 0.3, 0.3}});
    AddVoice(b, Voice{Wave::Sine, 2093, 2093, 0.08, 0.42, 0.4, 0, Envelope{0.002, 0.1, 0.3, 0.25}});
    Normalize(b, 0.7);
    return NamedSound{"credits_chime.wav", b};
}

}  // namespace content

#include "GallerySounds.h"

#include "DetMath.h"
#include "GalleryLayout.h"

namespace content {

namespace {

const char* const kFamilies[gallery::kSoundFamilies] = {"Blip",  "Chime", "Click",    "Coin",  "Bell",  "Buzz",
                                                        "Rise",  "Fall",  "Thud",     "Arpeggio", "Whirr", "Fanfare"};
const uint32_t kRate = 11025;

Voice Tone(Wave wave, double hz, double endHz, double start, double length, double level) {
    Voice v;
    v.wave = wave;
    v.startHz = hz;
    v.endHz = endHz;
    v.start = start;
    v.length = length;
    v.level = level;
    return v;
}

// Variation v of a family: its pitch climbs by semitones, its wave and length vary.
void Compose(SampleBuffer& b, int family, int v) {
    const double hz = 220 * DetPow(2.0, v / 12.0);
    const Wave wave = v % 3 == 0 ? Wave::Square : v % 3 == 1 ? Wave::Triangle : Wave::Sine;
    switch (family) {
    case 0: AddVoice(b, Tone(Wave::Square, hz * 2, hz * 2, 0, 0.08, 0.4)); break;
    case 1:
        for (int i = 0; i < 3; ++i) AddVoice(b, Tone(Wave::Sine, hz * 2 * (1 + i * 0.5), hz * 2 * (1 + i * 0.5), 0, 0.5, 0.3));
        break;
    case 2: AddVoice(b, Tone(Wave::Noise, hz, hz, 0, 0.04, 0.6), uint32_t(v + 1)); break;
    case 3:
        AddVoice(b, Tone(Wave::Square, hz * 4, hz * 4, 0, 0.06, 0.3));
        AddVoice(b, Tone(Wave::Square, hz * 5.33, hz * 5.33, 0.06, 0.2, 0.3));
        break;
    case 4:
        AddVoice(b, Tone(Wave::Sine, hz * 2, hz * 2, 0, 0.7, 0.4));
        AddVoice(b, Tone(Wave::Sine, hz * 5.4, hz * 5.4, 0, 0.3, 0.2));
        break;
    case 5: AddVoice(b, Tone(Wave::Square, hz / 2, hz / 2 * 0.9, 0, 0.3, 0.4)); break;
    case 6: AddVoice(b, Tone(wave, hz, hz * 3, 0, 0.35, 0.4)); break;
    case 7: AddVoice(b, Tone(wave, hz * 3, hz, 0, 0.35, 0.4)); break;
    case 8:
        AddVoice(b, Tone(Wave::Sine, hz / 2, hz / 5, 0, 0.15, 0.8));
        AddVoice(b, Tone(Wave::Noise, hz, hz, 0, 0.05, 0.2), uint32_t(v + 7));
        break;
    case 9:
        for (int i = 0; i < 4; ++i) {
            const double note = hz * DetPow(2.0, (i * 4 - (i == 3)) / 12.0);
            AddVoice(b, Tone(wave, note, note, i * 0.08, 0.12, 0.35));
        }
        break;
    case 10:
        for (int i = 0; i < 8; ++i) AddVoice(b, Tone(Wave::Noise, hz, hz, i * 0.075, 0.04, 0.3), uint32_t(i + v));
        AddVoice(b, Tone(Wave::Triangle, hz / 2, hz, 0, 0.6, 0.2));
        break;
    default: {
        const double notes[4] = {1, 1.26, 1.5, 2};
        for (int i = 0; i < 4; ++i)
            AddVoice(b, Tone(Wave::Square, hz * notes[i], hz * notes[i], i * 0.12, i == 3 ? 0.4 : 0.12, 0.3));
        break;
    }
    }
}

const double kLengths[gallery::kSoundFamilies] = {0.1, 0.5, 0.06, 0.28, 0.7, 0.3, 0.36, 0.36, 0.16, 0.42, 0.62, 0.8};

}  // namespace

SampleBuffer GallerySound(int sound) {
    const int family = sound / gallery::kSoundsPerFamily;
    SampleBuffer b = Silence(kRate, 1, kLengths[family]);
    Compose(b, family, sound % gallery::kSoundsPerFamily);
    Normalize(b, 0.7);
    return b;
}

std::string GallerySoundName(int sound) {
    return std::string(kFamilies[sound / gallery::kSoundsPerFamily]) + " " +
           std::to_string(sound % gallery::kSoundsPerFamily + 1);
}

}  // namespace content

// The sounds of our machines, as samples: each machine's four cabinet sounds (the reels'
// spin and stop, a coin's drop, the win's fanfare) in the machine's own key, and the
// credits machine's chime. The content generator writes them into the machines folder
// under these file names.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "SoundSynth.h"

namespace content {

struct NamedSound {
    std::string file;  // the file name in the machines folder
    SampleBuffer samples;
};

// The tonic of a machine's win fanfare, in hertz, by the machine file's stem: every
// built-in machine and Foxfire Grove.
struct MachinePitch {
    const char* stem;
    double pitch;
};
extern const MachinePitch kMachinePitches[];
extern const size_t kMachinePitchCount;

// "<stem>_spin.wav", "<stem>_stop.wav", "<stem>_coin.wav" and "<stem>_win.wav", tuned to the
// machine's pitch. Throws std::invalid_argument for a stem with no pitch.
std::vector<NamedSound> CabinetSounds(const std::string& stem);

// "credits_chime.wav", the credits machine's sound.
NamedSound CreditsChime();

}  // namespace content

// Writes, into the file it is given, every byte that the content generator's platform-free
// part computes: its own mathematics over the arguments the drawings and sounds use, and
// every sound it makes: the lobby's ambient loop, the gallery's sounds, each machine's
// cabinet sounds and the credits machine's chime. cmake/emulated-content.sh builds it for
// 64-bit and for 32-bit x86 and compares what both write: the generator's files are the
// same in both word sizes only while these are.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "AmbientLoop.h"
#include "CwvFile.h"
#include "DetMath.h"
#include "GalleryLayout.h"
#include "GallerySounds.h"
#include "MachineSounds.h"
#include "SoundFiles.h"

namespace {

void Put(std::vector<uint8_t>& out, double d) {
    uint8_t bytes[sizeof d];
    std::memcpy(bytes, &d, sizeof d);
    out.insert(out.end(), bytes, bytes + sizeof d);
}

void PutMathematics(std::vector<uint8_t>& out) {
    using namespace content;
    // Angles of the drawings (a few turns either way) and phases of the sounds (far out).
    for (double x = -40; x <= 40; x += 0.0173) {
        Put(out, DetSin(x));
        Put(out, DetCos(x));
        Put(out, DetExp(x));
    }
    for (double x = 1; x < 120000; x = x * 1.37 + 0.11) {
        Put(out, DetSin(x));
        Put(out, DetCos(x));
        Put(out, DetLog(x));
    }
    for (int v = -48; v <= 48; ++v) Put(out, DetPow(2.0, v / 12.0));
}

// A sound's file name and its WAV file's bytes.
void PutSound(std::vector<uint8_t>& out, const content::NamedSound& sound) {
    out.insert(out.end(), sound.file.begin(), sound.file.end());
    const std::vector<uint8_t> wav = content::WavImage(sound.samples);
    out.insert(out.end(), wav.begin(), wav.end());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generated_bytes OUTPUT\n");
        return 2;
    }
    std::vector<uint8_t> out;
    PutMathematics(out);
    const content::SampleBuffer loop = content::AmbientLoop();
    const std::vector<int16_t> pcm = content::ToPcm16(loop);
    const std::vector<uint8_t> cwv = aulo::EncodeCwv(pcm.data(), loop.Frames(), loop.channels, loop.rate);
    out.insert(out.end(), cwv.begin(), cwv.end());
    for (int s = 0; s < gallery::kSoundCount; ++s) {
        const std::vector<uint8_t> wav = content::WavImage(content::GallerySound(s));
        out.insert(out.end(), wav.begin(), wav.end());
    }
    for (size_t m = 0; m < content::kMachinePitchCount; ++m)
        for (const content::NamedSound& sound : content::CabinetSounds(content::kMachinePitches[m].stem))
            PutSound(out, sound);
    PutSound(out, content::CreditsChime());
    return content::WriteBytes(argv[1], out.data(), out.size()) ? 0 : 1;
}

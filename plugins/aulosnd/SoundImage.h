// A sound in memory as the library plays it: its format and where its sample data lies.
// The bytes belong to the caller (a memory cue) or to the image itself (a file read from
// disk); either way they stay put until the cue that plays them is done.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace aulo {

enum class Coding : uint8_t { Pcm, Cwv };

struct SoundFormat {
    uint32_t rate = 0;         // 44100, 22050 or 11025
    uint16_t channels = 0;     // 1 or 2
    uint16_t bits = 0;         // PCM: 8 or 16; CWV: 4
    Coding coding = Coding::Pcm;
    uint32_t frames = 0;       // sample frames in the sound
    uint16_t blockFrames = 0;  // CWV only: frames per coded block
};

struct SoundImage {
    SoundFormat format;
    const uint8_t* samples = nullptr;  // PCM frames, or the first CWV block
    size_t sampleBytes = 0;
    std::shared_ptr<const std::vector<uint8_t>> owned;  // the file's bytes when read from disk
};

// The sample rates the library accepts, for sounds and for its output alike.
bool IsSupportedRate(uint32_t rate);

// Reads a WAV or CWV image of `size` bytes. False (and `out` untouched) when the bytes are
// neither, or when their headers do not hold together.
bool ParseSound(const uint8_t* data, size_t size, SoundImage& out);

// The size a sound image in memory claims for itself (RIFF or CWV header), or 0 when the
// first bytes are not a header the library knows. Memory cues come without a size.
size_t DeclaredSoundSize(const uint8_t* data);

// Takes ownership of a file's bytes and reads them as ParseSound does.
bool ParseOwnedSound(std::vector<uint8_t> bytes, SoundImage& out);

inline uint16_t ReadLE16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t ReadLE32(const uint8_t* p) { return uint32_t(ReadLE16(p)) | uint32_t(ReadLE16(p + 2)) << 16; }
inline void AppendLE16(std::vector<uint8_t>& v, uint16_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
inline void AppendLE32(std::vector<uint8_t>& v, uint32_t x) {
    AppendLE16(v, uint16_t(x));
    AppendLE16(v, uint16_t(x >> 16));
}

}  // namespace aulo

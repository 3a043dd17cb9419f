#include "WavFile.h"

#include <cstring>

namespace aulo {
namespace {

bool Is(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

// Checks a "fmt " chunk body and fills the format's PCM fields.
bool ReadFormatChunk(const uint8_t* p, uint32_t size, SoundFormat& format) {
    if (size < 16) return false;
    const uint16_t tag = ReadLE16(p);
    const uint16_t channels = ReadLE16(p + 2);
    const uint32_t rate = ReadLE32(p + 4);
    const uint32_t byteRate = ReadLE32(p + 8);
    const uint16_t blockAlign = ReadLE16(p + 12);
    const uint16_t bits = ReadLE16(p + 14);
    if (tag != 1 || (channels != 1 && channels != 2) || (bits != 8 && bits != 16)) return false;
    if (!IsSupportedRate(rate)) return false;
    if (blockAlign != channels * bits / 8 || byteRate != rate * blockAlign) return false;
    format.rate = rate;
    format.channels = channels;
    format.bits = bits;
    format.coding = Coding::Pcm;
    return true;
}

}  // namespace

bool ParseWav(const uint8_t* data, size_t size, SoundImage& out) {
    if (size < 12 || !Is(data, "RIFF") || !Is(data + 8, "WAVE")) return false;
    const uint32_t riffSize = ReadLE32(data + 4);
    if (riffSize < 4 || riffSize > kMaxWavBytes || size_t(riffSize) + 8 > size) return false;
    const size_t end = size_t(riffSize) + 8;
    SoundFormat format;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= end;) {
        const uint8_t* chunk = data + at;
        const uint32_t chunkSize = ReadLE32(chunk + 4);
        if (chunkSize > end - at - 8) return false;
        if (Is(chunk, "fmt ")) {
            if (haveFormat || !ReadFormatChunk(chunk + 8, chunkSize, format)) return false;
            haveFormat = true;
        } else if (Is(chunk, "data")) {
            if (!haveFormat) return false;
            const uint32_t frameBytes = format.channels * format.bits / 8u;
            format.frames = chunkSize / frameBytes;
            if (format.frames == 0) return false;
            out = SoundImage();
            out.format = format;
            out.samples = chunk + 8;
            out.sampleBytes = size_t(format.frames) * frameBytes;
            return true;
        }
        at += 8 + size_t(chunkSize) + (chunkSize & 1);
    }
    return false;
}

std::vector<uint8_t> MakeWavHeader(uint32_t rate, uint16_t bits, uint16_t channels, uint32_t dataBytes) {
    std::vector<uint8_t> h;
    const uint16_t blockAlign = uint16_t(channels * bits / 8);
    h.insert(h.end(), {'R', 'I', 'F', 'F'});
    AppendLE32(h, 36 + dataBytes);
    h.insert(h.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    AppendLE32(h, 16);
    AppendLE16(h, 1);
    AppendLE16(h, channels);
    AppendLE32(h, rate);
    AppendLE32(h, rate * blockAlign);
    AppendLE16(h, blockAlign);
    AppendLE16(h, bits);
    h.insert(h.end(), {'d', 'a', 't', 'a'});
    AppendLE32(h, dataBytes);
    return h;
}

}  // namespace aulo

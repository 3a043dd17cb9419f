#include "SoundImage.h"

#include <cstring>

#include "CwvFile.h"
#include "WavFile.h"

namespace aulo {

bool IsSupportedRate(uint32_t rate) { return rate == 44100 || rate == 22050 || rate == 11025; }

bool ParseSound(const uint8_t* data, size_t size, SoundImage& out) {
    if (!data || size < 4) return false;
    if (std::memcmp(data, "RIFF", 4) == 0) return ParseWav(data, size, out);
    if (std::memcmp(data, "CWV1", 4) == 0) return ParseCwv(data, size, out);
    return false;
}

size_t DeclaredSoundSize(const uint8_t* data) {
    if (!data) return 0;
    if (std::memcmp(data, "RIFF", 4) == 0) {
        const uint32_t riffSize = ReadLE32(data + 4);
        return riffSize > kMaxWavBytes ? 0 : size_t(riffSize) + 8;
    }
    if (std::memcmp(data, "CWV1", 4) == 0) return ReadLE32(data + 4);
    return 0;
}

bool ParseOwnedSound(std::vector<uint8_t> bytes, SoundImage& out) {
    auto owned = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    if (!ParseSound(owned->data(), owned->size(), out)) return false;
    out.owned = std::move(owned);
    return true;
}

}  // namespace aulo

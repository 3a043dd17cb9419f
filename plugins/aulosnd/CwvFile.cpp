#include "CwvFile.h"

#include <algorithm>
#include <cstring>

namespace aulo {
namespace {

const int16_t kStepTable[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

const int8_t kIndexTable[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

struct CoderState {
    int32_t predictor;
    int32_t index;

    int16_t Apply(uint8_t code) {
        const int32_t step = kStepTable[index];
        int32_t delta = step >> 3;
        if (code & 4) delta += step;
        if (code & 2) delta += step >> 1;
        if (code & 1) delta += step >> 2;
        predictor = std::clamp(code & 8 ? predictor - delta : predictor + delta, -32768, 32767);
        index = std::clamp(index + kIndexTable[code & 15], 0, 88);
        return int16_t(predictor);
    }

    // The code whose step brings the predictor closest to `sample` (and applies it).
    uint8_t Encode(int16_t sample) {
        const int32_t step = kStepTable[index];
        int32_t diff = sample - predictor;
        uint8_t code = 0;
        if (diff < 0) {
            code = 8;
            diff = -diff;
        }
        if (diff >= step) { code |= 4; diff -= step; }
        if (diff >= step >> 1) { code |= 2; diff -= step >> 1; }
        if (diff >= step >> 2) code |= 1;
        Apply(code);
        return code;
    }
};

// Whether every block's coder state is well formed, walking the blocks to the end.
bool CheckBlocks(const SoundFormat& format, const uint8_t* blocks, size_t bytes) {
    size_t at = 0;
    for (uint32_t first = 0; first < format.frames; first += format.blockFrames) {
        const size_t blockBytes = CwvBlockBytes(format, first);
        if (blockBytes > bytes - at) return false;
        for (uint16_t c = 0; c < format.channels; ++c) {
            const uint8_t* state = blocks + at + 4 * c;
            if (state[2] > 88 || state[3] != 0) return false;
        }
        at += blockBytes;
    }
    return at == bytes;
}

}  // namespace

size_t CwvBlockBytes(const SoundFormat& format, uint32_t first) {
    const uint32_t frames = std::min<uint32_t>(format.blockFrames, format.frames - first);
    return 4u * format.channels + (size_t(frames) * format.channels + 1) / 2;
}

bool ParseCwv(const uint8_t* data, size_t size, SoundImage& out) {
    if (size < kCwvHeaderBytes || std::memcmp(data, "CWV1", 4) != 0) return false;
    const uint32_t total = ReadLE32(data + 4);
    SoundFormat format;
    format.rate = ReadLE32(data + 8);
    format.channels = ReadLE16(data + 12);
    format.blockFrames = ReadLE16(data + 14);
    format.frames = ReadLE32(data + 16);
    format.bits = 4;
    format.coding = Coding::Cwv;
    if (total < kCwvHeaderBytes || total > size || !IsSupportedRate(format.rate)) return false;
    if ((format.channels != 1 && format.channels != 2) || format.frames == 0) return false;
    if (format.blockFrames == 0 || format.blockFrames > kCwvMaxBlockFrames) return false;
    if (!CheckBlocks(format, data + kCwvHeaderBytes, total - kCwvHeaderBytes)) return false;
    out = SoundImage();
    out.format = format;
    out.samples = data + kCwvHeaderBytes;
    out.sampleBytes = total - kCwvHeaderBytes;
    return true;
}

void DecodeCwvBlock(const SoundFormat& format, const uint8_t* block, uint32_t frames, int16_t* out) {
    CoderState state[2];
    for (uint16_t c = 0; c < format.channels; ++c)
        state[c] = {int16_t(ReadLE16(block + 4 * c)), block[4 * c + 2]};
    const uint8_t* codes = block + 4 * format.channels;
    const uint32_t count = frames * format.channels;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t code = (i & 1) ? codes[i / 2] >> 4 : codes[i / 2] & 15;
        out[i] = state[i % format.channels].Apply(code);
    }
}

std::vector<uint8_t> EncodeCwv(const int16_t* samples, uint32_t frames, uint16_t channels, uint32_t rate,
                               uint16_t blockFrames) {
    std::vector<uint8_t> image{'C', 'W', 'V', '1'};
    AppendLE32(image, 0);
    AppendLE32(image, rate);
    AppendLE16(image, channels);
    AppendLE16(image, blockFrames);
    AppendLE32(image, frames);
    for (uint32_t first = 0; first < frames; first += blockFrames) {
        const uint32_t n = std::min<uint32_t>(blockFrames, frames - first);
        const int16_t* block = samples + size_t(first) * channels;
        CoderState state[2];
        for (uint16_t c = 0; c < channels; ++c) {
            state[c] = {block[c], 0};
            AppendLE16(image, uint16_t(block[c]));
            image.push_back(0);
            image.push_back(0);
        }
        std::vector<uint8_t> codes((size_t(n) * channels + 1) / 2, 0);
        for (uint32_t i = 0; i < n * channels; ++i)
            codes[i / 2] |= uint8_t(state[i % channels].Encode(block[i]) << ((i & 1) * 4));
        image.insert(image.end(), codes.begin(), codes.end());
    }
    const uint32_t total = uint32_t(image.size());
    for (int i = 0; i < 4; ++i) image[4 + i] = uint8_t(total >> (8 * i));
    return image;
}

}  // namespace aulo

// Builds asset-file images in memory for the tests, with hooks to damage them.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct TestAsset {
    uint32_t type;
    std::vector<uint8_t> data;     // the expanded data
    std::vector<uint8_t> stored;   // what is written when compressed
    uint32_t decoderSlot = 0;
    uint32_t info = 0;
};

class AssetFileBuilder {
public:
    AssetFileBuilder& Add(uint32_t type, std::vector<uint8_t> data, uint32_t info = 0) {
        assets_.push_back({type, std::move(data), {}, 0, info});
        return *this;
    }
    AssetFileBuilder& AddCompressed(uint32_t type, std::vector<uint8_t> data,
                                    std::vector<uint8_t> stored, uint32_t slot) {
        assets_.push_back({type, std::move(data), std::move(stored), slot, 0});
        return *this;
    }
    AssetFileBuilder& UserInfo(std::vector<uint8_t> info) {
        userInfo_ = std::move(info);
        return *this;
    }

    // Layout: header, directory, user info, then the assets in order.
    std::vector<uint8_t> Build() const {
        std::vector<uint8_t> out(16 + 8 * assets_.size());
        std::memcpy(out.data(), "QUOR", 4);
        Put(out, 4, uint32_t(assets_.size()));
        Put(out, 8, uint32_t(userInfo_.size()));
        Put(out, 12, uint32_t(out.size()));
        out.insert(out.end(), userInfo_.begin(), userInfo_.end());
        for (size_t i = 0; i < assets_.size(); ++i) {
            const TestAsset& a = assets_[i];
            Put(out, 16 + 8 * i, uint32_t(out.size()));
            Put(out, 20 + 8 * i, a.info);
            size_t at = out.size();
            out.resize(at + 12);
            Put(out, at, a.type);
            Put(out, at + 4, uint32_t(a.data.size()));
            if (a.decoderSlot) {
                Put(out, at + 8, uint32_t(a.stored.size()) | a.decoderSlot << 24);
                out.insert(out.end(), a.stored.begin(), a.stored.end());
            } else {
                Put(out, at + 8, 0);
                out.insert(out.end(), a.data.begin(), a.data.end());
            }
        }
        return out;
    }

    // Offset of asset i's 12-byte header in Build()'s image.
    static uint32_t AssetOffset(const std::vector<uint8_t>& image, size_t i) {
        return Get(image, 16 + 8 * i);
    }
    static void Put(std::vector<uint8_t>& v, size_t at, uint32_t value) {
        std::memcpy(&v[at], &value, 4);
    }
    static uint32_t Get(const std::vector<uint8_t>& v, size_t at) {
        uint32_t value;
        std::memcpy(&value, &v[at], 4);
        return value;
    }

private:
    std::vector<TestAsset> assets_;
    std::vector<uint8_t> userInfo_;
};

// Run-length form read by the test DISK decoder: pairs of (count, byte).
inline std::vector<uint8_t> RunLengthEncode(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < data.size();) {
        size_t n = 1;
        while (i + n < data.size() && data[i + n] == data[i] && n < 255) ++n;
        out.push_back(uint8_t(n));
        out.push_back(data[i]);
        i += n;
    }
    return out;
}

// Little-endian words appended to asset data.
inline void AppendLE16(std::vector<uint8_t>& v, uint16_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
inline void AppendLE32(std::vector<uint8_t>& v, uint32_t x) {
    AppendLE16(v, uint16_t(x));
    AppendLE16(v, uint16_t(x >> 16));
}

// A raw 16-bit picture's data (after its type word), every pixel `colour`, rows padded to
// 4 bytes: kind word `kind`, key 0x7C1F when the kind is keyed (bit 3), else 0, and a
// pixel byte count of its own when `pixelBytes` is given.
inline std::vector<uint8_t> SolidPictureData(uint16_t w, uint16_t h, uint16_t colour, uint16_t kind = 8,
                                             uint32_t pixelBytes = ~0u) {
    const uint32_t row = (w * 2u + 3u) & ~3u;
    std::vector<uint8_t> v;
    AppendLE16(v, kind);
    AppendLE16(v, 0);
    AppendLE16(v, w);
    AppendLE16(v, h);
    AppendLE32(v, (kind & 8) ? 0x7C1F : 0);
    AppendLE32(v, pixelBytes == ~0u ? row * h : pixelBytes);
    for (uint32_t i = 0; i < row * h / 2; ++i) AppendLE16(v, colour);
    return v;
}

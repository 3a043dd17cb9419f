#include "SprtReader.h"

#include <cstring>

namespace {

class SprtData {
public:
    SprtData(const uint8_t* data, size_t size, uint32_t bias) : data_(data), size_(size), bias_(bias) {}

    bool Word(size_t at, uint32_t& value) const {
        if (at > size_ || size_ - at < 4) return false;
        std::memcpy(&value, data_ + at, 4);
        return true;
    }
    // A table word: an offset from the type word once the bias is taken off.
    bool Offset(size_t at, size_t& offset) const {
        uint32_t word;
        if (!Word(at, word)) return false;
        offset = size_t(uint32_t(word - bias_));
        return offset < size_;
    }
    bool Frame(size_t at, SpriteFrame& f) const {
        if (at > size_ || size_ - at < 32) return false;
        const uint8_t* p = data_ + at;
        std::memcpy(&f.picture, p, 4);
        std::memcpy(&f.x, p + 8, 4);
        std::memcpy(&f.y, p + 12, 4);
        std::memcpy(&f.moveX, p + 16, 2);
        std::memcpy(&f.moveY, p + 18, 2);
        std::memcpy(&f.moveDepthLow, p + 20, 2);
        std::memcpy(&f.moveDepthHigh, p + 22, 2);
        std::memcpy(&f.hold, p + 24, 4);
        std::memcpy(&f.sound, p + 28, 4);
        return true;
    }

private:
    const uint8_t* data_;
    size_t size_;
    uint32_t bias_;
};

bool ReadSequence(const SprtData& sprt, size_t at, SpriteSequence& frames) {
    uint32_t count;
    if (!sprt.Word(at, count) || count > 65536) return false;
    for (uint32_t k = 0; k < count; ++k) {
        size_t frameAt;
        SpriteFrame f;
        if (!sprt.Offset(at + 4 + 4 * size_t(k), frameAt) || !sprt.Frame(frameAt, f)) return false;
        frames.push_back(f);
    }
    return true;
}

}  // namespace

bool ReadSprtSequences(const uint8_t* data, size_t size, uint32_t address, std::vector<SpriteSequence>& out) {
    out.clear();
    uint32_t type, fixedUp, count;
    SprtData header(data, size, 0);
    if (!header.Word(0, type) || type != kSpriteAssetType || !header.Word(4, fixedUp) || !header.Word(8, count) ||
        count > 65536)
        return false;
    if (count == 0) return true;
    const SprtData sprt(data, size, fixedUp ? address : 0);
    size_t table;
    if (!sprt.Offset(12, table)) return false;
    out.resize(count);
    for (uint32_t s = 0; s < count; ++s) {
        size_t at;
        if (!sprt.Offset(table + 4 * size_t(s), at) || !ReadSequence(sprt, at, out[s])) return false;
    }
    return true;
}

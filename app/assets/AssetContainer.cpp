#include "AssetContainer.h"

#include <initializer_list>

namespace {

const uint32_t kHeaderBytes = 16, kEntryBytes = 8, kAssetHeaderBytes = 12;

bool PutWords(std::FILE* file, std::initializer_list<uint32_t> words) {
    for (uint32_t w : words) {
        const uint8_t b[4] = {uint8_t(w), uint8_t(w >> 8), uint8_t(w >> 16), uint8_t(w >> 24)};
        if (std::fwrite(b, 1, 4, file) != 4) return false;
    }
    return true;
}

}  // namespace

std::vector<uint32_t> AssetOffsets(const std::vector<AssetBody>& assets) {
    std::vector<uint32_t> offsets;
    uint32_t at = kHeaderBytes + kEntryBytes * uint32_t(assets.size());
    for (const AssetBody& a : assets) {
        offsets.push_back(at);
        at += kAssetHeaderBytes + uint32_t(a.data.size());
    }
    return offsets;
}

long WriteAssetContainer(std::FILE* file, const std::vector<AssetBody>& assets) {
    const long count = long(assets.size());
    if (!PutWords(file, {0x524F5551u /* "QUOR" */, uint32_t(count), 0, 0})) return count;
    for (uint32_t offset : AssetOffsets(assets))
        if (!PutWords(file, {offset, 0})) return count;
    for (long i = 0; i < count; ++i) {
        const AssetBody& a = assets[size_t(i)];
        const uint32_t size = uint32_t(a.data.size());
        if (!PutWords(file, {a.type, size, size & 0xFFFFFF}) ||
            (size && std::fwrite(a.data.data(), 1, size, file) != size))
            return i;
    }
    return -1;
}

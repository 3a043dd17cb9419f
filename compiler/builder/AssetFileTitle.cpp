#include "AssetFileTitle.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "MachineChunk.h"

namespace {

const uint32_t kContainerMagic = 0x524F5551u;  // "QUOR"
const long kFileHeaderBytes = 16, kEntryBytes = 8, kAssetHeaderBytes = 12;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool ReadAt(std::FILE* f, long offset, void* out, size_t bytes) {
    return std::fseek(f, offset, SEEK_SET) == 0 && std::fread(out, 1, bytes, f) == bytes;
}

uint32_t Word(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

long FileSize(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0) return -1;
    return std::ftell(f);
}

// The offset of the last asset's header, or -1 when the header or directory is not sound.
long LastAssetOffset(std::FILE* f, long size) {
    uint8_t header[kFileHeaderBytes];
    if (!ReadAt(f, 0, header, sizeof header) || Word(header) != kContainerMagic) return -1;
    const uint32_t count = Word(header + 4);
    if (count == 0 || count > uint32_t((size - kFileHeaderBytes) / kEntryBytes)) return -1;
    const long directoryEnd = kFileHeaderBytes + long(count) * kEntryBytes;
    uint8_t entry[4];
    if (!ReadAt(f, directoryEnd - kEntryBytes, entry, sizeof entry)) return -1;
    const uint32_t offset = Word(entry);
    if (offset < uint32_t(directoryEnd) || offset > uint32_t(size)) return -1;
    return long(offset);
}

}  // namespace

std::string ReadAssetFileTitle(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::string();
    const long size = FileSize(file.get());
    if (size < kFileHeaderBytes + kEntryBytes) return std::string();
    const long offset = LastAssetOffset(file.get(), size);
    if (offset < 0 || size - offset < kAssetHeaderBytes + long(kChunkTitleBytes)) return std::string();
    uint8_t asset[kAssetHeaderBytes + kChunkTitleBytes];
    if (!ReadAt(file.get(), offset, asset, sizeof asset)) return std::string();
    if (Word(asset) != kMachineChunkType || Word(asset + 4) < kChunkTitleBytes) return std::string();
    const char* title = reinterpret_cast<const char*>(asset + kAssetHeaderBytes);
    const void* end = std::memchr(title, 0, kChunkTitleBytes);
    if (!end) return std::string();
    return std::string(title, static_cast<const char*>(end));
}

// The asset container's header, directory and asset headers, as the engine opens an asset
// file and loads its assets, over bytes in memory. Every asset that passes the checks has
// its stored bytes read, which must all lie in the file.
#include <cstring>
#include <vector>

#include "ContainerLayout.h"
#include "FuzzTarget.h"

namespace {

class MemorySource : public ContainerSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t Size() const override { return size_; }
    QUORERRS ReadAt(uint64_t offset, void* buffer, uint32_t bytes) override {
        if (offset + bytes > size_) return ErrReadFailed;
        if (bytes) std::memcpy(buffer, data_ + offset, bytes);
        return QuorOk;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemorySource source(data, size);
    ContainerHeader header;
    if (ReadContainerHeader(source, header) != QuorOk) return 0;
    std::vector<ContainerEntry> directory(header.count);
    std::vector<uint8_t> chunk(kDirectoryChunkBytes);
    const QUORERRS read = ReadContainerDirectory(source, header.count, chunk.data(), [&](uint32_t i, ContainerEntry e) {
        directory.at(i) = e;
    });
    if (read != QuorOk) return 0;
    std::vector<uint8_t> user(header.userInfoSize < 4096 ? header.userInfoSize : 4096);
    (void)source.ReadAt(header.userInfoOffset, user.data(), uint32_t(user.size()));
    for (size_t i = 0; i < directory.size() && i < 256; ++i) {
        AssetExtent x;
        if (ReadAssetExtent(source, directory[i].offset, x) != QuorOk) continue;
        const uint32_t bytes = x.slotByte ? x.stored : x.dataSize;
        std::vector<uint8_t> stored(bytes);
        if (source.ReadAt(x.dataStart, stored.data(), bytes) != QuorOk) __builtin_trap();
    }
    return 0;
}

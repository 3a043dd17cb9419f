// The layout of an asset file, read without the platform: the 16-byte header ("QUOR",
// asset count, user-info size, user-info offset), the directory of {asset offset, info
// word} per asset, and the 12-byte header in front of each asset's data (type word, data
// size, packing word). The engine's AssetFile supplies the bytes; these functions decide
// whether they are sound. Nothing is trusted: every count, size and offset is checked
// against the file's length before it is used.
#pragma once
#include <cstdint>

#include "QuorErrors.h"

const uint32_t kContainerHeaderBytes = 16;
const uint32_t kContainerEntryBytes = 8;
const uint32_t kAssetHeaderBytes = 12;
// The directory is read in pieces of this many bytes.
const uint32_t kDirectoryChunkBytes = 16384;

// Where the file's bytes come from.
class ContainerSource {
public:
    virtual ~ContainerSource() = default;
    virtual uint64_t Size() const = 0;
    // Exactly `bytes` bytes at `offset`; ErrReadFailed when they are not all in the file.
    virtual QUORERRS ReadAt(uint64_t offset, void* buffer, uint32_t bytes) = 0;
};

struct ContainerHeader {
    uint32_t count = 0;
    uint32_t userInfoSize = 0;
    uint32_t userInfoOffset = 0;
};

struct ContainerEntry {
    uint32_t offset;
    uint32_t info;
};

// What an asset's own header says, checked against the file.
struct AssetExtent {
    uint32_t type = 0;
    uint32_t dataSize = 0;    // bytes of the loaded asset
    uint32_t stored = 0;      // bytes in the file after the header
    uint32_t slotByte = 0;    // 0 for data stored as it is, else the DISK decoder byte
    uint64_t dataStart = 0;   // where those bytes begin
};

// Reads and checks the file header: the magic, and a directory that lies inside the file.
QUORERRS ReadContainerHeader(ContainerSource& source, ContainerHeader& header);

// Reads `count` directory entries a chunk at a time through `chunk` (kDirectoryChunkBytes
// of room) and hands each to take(index, entry), in order.
template <class Take>
QUORERRS ReadContainerDirectory(ContainerSource& source, uint32_t count, void* chunk, Take take) {
    uint32_t* words = static_cast<uint32_t*>(chunk);
    uint64_t position = kContainerHeaderBytes;
    uint32_t done = 0;
    while (done < count) {
        // Each refill takes what is left of the directory, at most one chunk.
        uint32_t n = count - done;
        if (n > kDirectoryChunkBytes / kContainerEntryBytes) n = kDirectoryChunkBytes / kContainerEntryBytes;
        if (QUORERRS e = source.ReadAt(position, words, n * kContainerEntryBytes)) return e;
        for (uint32_t i = 0; i < n; ++i) take(done + i, ContainerEntry{words[2 * i], words[2 * i + 1]});
        done += n;
        position += uint64_t(n) * kContainerEntryBytes;
    }
    return QuorOk;
}

// The three words of the asset header at `offset`, as stored.
QUORERRS ReadAssetHeader(ContainerSource& source, uint32_t offset, uint32_t header[3]);

// Reads the header of the asset at `offset` and checks that what follows it (the data, or
// its compressed form) lies in the file.
QUORERRS ReadAssetExtent(ContainerSource& source, uint32_t offset, AssetExtent& extent);

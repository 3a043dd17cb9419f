#include "ContainerLayout.h"

#include "FourCC.h"

QUORERRS ReadContainerHeader(ContainerSource& source, ContainerHeader& header) {
    uint32_t words[4];
    if (QUORERRS e = source.ReadAt(0, words, kContainerHeaderBytes)) return e;
    if (words[0] != FourCC("QUOR")) return ErrBadMagic;
    // The directory must lie inside the file; a count beyond it is a damaged file.
    if (kContainerHeaderBytes + uint64_t(words[1]) * kContainerEntryBytes > source.Size()) return ErrReadFailed;
    header.count = words[1];
    header.userInfoSize = words[2];
    header.userInfoOffset = words[3];
    return QuorOk;
}

QUORERRS ReadAssetHeader(ContainerSource& source, uint32_t offset, uint32_t header[3]) {
    return source.ReadAt(offset, header, kAssetHeaderBytes);
}

QUORERRS ReadAssetExtent(ContainerSource& source, uint32_t offset, AssetExtent& extent) {
    uint32_t header[3];
    if (QUORERRS e = ReadAssetHeader(source, offset, header)) return e;
    AssetExtent x;
    x.type = header[0];
    x.dataSize = header[1];
    x.stored = header[2] & 0xFFFFFF;
    // A non-zero slot byte marks the asset compressed; its low four bits name the decoder
    // (0x15 is decoder 5), so every byte names one of the 16 slots.
    x.slotByte = header[2] >> 24;
    x.dataStart = uint64_t(offset) + kAssetHeaderBytes;
    // What follows the header must be in the file: the data, or its compressed form.
    if (x.dataStart + (x.slotByte ? x.stored : x.dataSize) > source.Size()) return ErrReadFailed;
    extent = x;
    return QuorOk;
}

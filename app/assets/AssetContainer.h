// The asset-file container as the engine reads it: the header ("QUOR", count, no user
// info), the directory of asset offsets, then each asset's 12-byte header (type, data
// size, packing word with the stored size and no file-level compression) and its data,
// without gaps.
#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

struct AssetBody {
    uint32_t type;
    std::vector<uint8_t> data;
};

// Offset of each asset's header: the first right after the directory.
std::vector<uint32_t> AssetOffsets(const std::vector<AssetBody>& assets);

// Writes the container to `file`. Returns -1 when everything was written, else the index
// of the asset whose data was cut short (or the asset count when the header or the
// directory was).
long WriteAssetContainer(std::FILE* file, const std::vector<AssetBody>& assets);

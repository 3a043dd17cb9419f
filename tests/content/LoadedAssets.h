// How many of an asset file's assets the engine opens and loads, one at a time, with the
// pictures' decoder registered as the game registers it: every one, for a whole file.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "Quor2_5.h"

inline uint32_t LoadedAssets(const std::string& path) {
    RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // "BMAP"
    const int32_t file = OpenAssetFile(path.c_str());
    if (file == -1) return 0;
    uint32_t loaded = 0;
    const uint32_t count = GetNumberOfAssets(uint32_t(file));
    for (uint32_t i = 1; i <= count; ++i) {
        const uint32_t asset = uint32_t(file) | i;
        if (!LoadAsset(asset, 0)) continue;
        QuorAssetInfo info{};
        if (GetAssetInfo(asset, &info) && info.state == 3) ++loaded;
        UnloadAsset(asset);
    }
    CloseAssetFile(uint32_t(file));
    return loaded;
}

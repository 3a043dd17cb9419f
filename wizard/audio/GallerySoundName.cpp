#include "GallerySoundName.h"

#include <cstring>

#include "Quor2_5.h"

std::string GallerySoundName(int32_t galleryFile, int32_t nameAsset)
{
    if (galleryFile == -1 || nameAsset <= 0)
        return std::string();
    const uint32_t asset = uint32_t(galleryFile) | uint32_t(nameAsset);
    if (!LoadAsset(asset, 0))
        return std::string();
    std::string name;
    QuorAssetInfo info = {};
    if (const char* locked = static_cast<const char*>(DereferenceAndLockAsset(asset))) {
        // After the asset's kind; the text ends at its zero or at the asset's end.
        const size_t size = GetAssetInfo(asset, &info) ? size_t(info.dataSize) : 0;
        name.assign(locked + 4, strnlen(locked + 4, size));
        ReleaseAsset(asset);
    }
    UnloadAsset(asset);
    return name;
}

#include "BitmapFromAsset.h"

#include <cstring>

#include "AssetWords.h"
#include "Bitmap.h"
#include "Quor2_5.h"

namespace {
const uint32_t kImageMagic = 0x50414D42u;  // "BMAP"
const uint16_t kColourKeyBit = 1 << 3;

bool FillPicture(const uint8_t* data, Bitmap& out) {
    const int32_t width = AssetWord16(data, 8), height = AssetWord16(data, 10);
    if (!out.Create(width, height, 16, true)) return false;
    const uint32_t rowBytes = (uint32_t(width) * 2 + 3) & ~3u;
    const uint32_t bytes = rowBytes * uint32_t(height);
    if (AssetWord16(data, 6) == 0) {
        std::memcpy(out.Pixels(), data + 20, bytes);
        return true;
    }
    auto decode = reinterpret_cast<QuorDecodeService>(GetServiceAddress(QuorServiceDecode));
    return decode && decode(out.Pixels(), bytes, data) != 0;
}
}  // namespace

bool BitmapFromAsset(int32_t file, uint32_t asset, Bitmap& out, bool& transparent) {
    const uint32_t handle = uint32_t(file) | asset;
    LoadAsset(handle, 0);
    const uint8_t* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(handle));
    bool made = false;
    if (data) {
        if (AssetWord32(data, 0) == kImageMagic) {
            transparent = (AssetWord16(data, 4) & kColourKeyBit) != 0;
            made = FillPicture(data, out);
        }
        ReleaseAsset(handle);
    }
    UnloadAsset(handle);
    return made;
}

bool BitmapFromAssetFile(const std::string& fileName, uint32_t asset, Bitmap& out, bool& transparent) {
    const int32_t file = OpenAssetFile(fileName.c_str());
    if (file == -1) return false;
    const bool made = BitmapFromAsset(file, asset, out, transparent);
    CloseAssetFile(uint32_t(file));
    return made;
}

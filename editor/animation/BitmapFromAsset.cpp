#include "BitmapFromAsset.h"

#include <cstring>

#include "Bitmap.h"
#include "Quor2_5.h"

namespace {
const uint32_t kImageMagic = 0x50414D42u;  // "BMAP"
const uint16_t kColourKeyBit = 1 << 3;

uint16_t Word16(const uint8_t* data, size_t offset) {
    uint16_t value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

bool FillPicture(const uint8_t* data, Bitmap& out) {
    const int32_t width = Word16(data, 8), height = Word16(data, 10);
    if (!out.Create(width, height, 16, true)) return false;
    const uint32_t rowBytes = (uint32_t(width) * 2 + 3) & ~3u;
    const uint32_t bytes = rowBytes * uint32_t(height);
    if (Word16(data, 6) == 0) {
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
        uint32_t magic;
        std::memcpy(&magic, data, sizeof magic);
        if (magic == kImageMagic) {
            transparent = (Word16(data, 4) & kColourKeyBit) != 0;
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

#include "BitmapFromAsset.h"

#include <cstring>

#include "AssetWords.h"
#include "Bitmap.h"
#include "Quor2_5.h"

namespace {
const uint32_t kImageMagic = 0x50414D42u;  // "BMAP"
const uint16_t kColourKeyBit = 1 << 3;

// The engine keeps its pictures at 15 bits (5 each for red, green and blue); read as the
// 16-bit layout they would show other colours than the game draws.
bool FillPicture(const uint8_t* data, Bitmap& out) {
    const int32_t width = AssetWord16(data, 8), height = AssetWord16(data, 10);
    if (!out.Create(width, height, 15, true)) return false;
    const uint32_t rowBytes = (uint32_t(width) * 2 + 3) & ~3u;
    const uint32_t bytes = rowBytes * uint32_t(height);
    if (AssetWord16(data, 6) == 0) {
        std::memcpy(out.Pixels(), data + kImageHeaderBytes, bytes);
        return true;
    }
    auto decode = reinterpret_cast<QuorDecodeService>(GetServiceAddress(QuorServiceDecode));
    return decode && decode(out.Pixels(), bytes, data) != 0;
}

std::string ReadPicture(const uint8_t* data, size_t size, Bitmap& out, bool& transparent) {
    if (size < 4 || AssetWord32(data, 0) != kImageMagic) return "The asset is no picture.";
    std::string fault = ImageAssetFault(data, size);
    if (!fault.empty()) return fault;
    transparent = (AssetWord16(data, 4) & kColourKeyBit) != 0;
    return FillPicture(data, out) ? std::string() : "The picture asset could not be decoded.";
}
}  // namespace

size_t LockedAssetSize(uint32_t handle) {
    QuorAssetInfo info{};
    return GetAssetInfo(handle, &info) ? size_t(info.dataSize) + 4 : 0;
}

bool BitmapFromAsset(int32_t file, uint32_t asset, Bitmap& out, bool& transparent, std::string* error) {
    const uint32_t handle = uint32_t(file) | asset;
    LoadAsset(handle, 0);
    const uint8_t* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(handle));
    std::string fault = "The asset " + std::to_string(asset) + " cannot be loaded.";
    if (data) {
        fault = ReadPicture(data, LockedAssetSize(handle), out, transparent);
        ReleaseAsset(handle);
    }
    UnloadAsset(handle);
    if (error) *error = fault;
    return fault.empty();
}

bool BitmapFromAssetFile(const std::string& fileName, uint32_t asset, Bitmap& out, bool& transparent,
                         std::string* error) {
    const int32_t file = OpenAssetFile(fileName.c_str());
    if (file == -1) {
        if (error) *error = "The asset file " + fileName + " cannot be opened.";
        return false;
    }
    const bool made = BitmapFromAsset(file, asset, out, transparent, error);
    CloseAssetFile(uint32_t(file));
    return made;
}

#include "CardPicture.h"

#include <cstring>
#include <vector>

#include "AssetRecords.h"
#include "Quor2_5.h"
#include "SprtReader.h"

namespace {

// The data of an asset, loaded and locked for the time the object lives.
class AssetData {
public:
    explicit AssetData(uint32_t asset) : asset_(asset)
    {
        loaded_ = LoadAsset(asset, 0) != 0;
        if (loaded_)
            data_ = static_cast<const uint8_t*>(DereferenceAndLockAsset(asset));
        QuorAssetInfo info = {};
        if (data_ != nullptr && GetAssetInfo(asset, &info))
            size_ = std::size_t(info.dataSize) + 4;
    }
    ~AssetData()
    {
        if (data_ != nullptr)
            ReleaseAsset(asset_);
        if (loaded_)
            UnloadAsset(asset_);
    }
    AssetData(const AssetData&) = delete;
    AssetData& operator=(const AssetData&) = delete;

    const uint8_t* Bytes() const { return size_ != 0 ? data_ : nullptr; }
    std::size_t Size() const { return size_; }
    bool IsKind(const char* kind) const { return Bytes() != nullptr && size_ >= 20 && std::memcmp(data_, kind, 4) == 0; }

private:
    uint32_t asset_;
    bool loaded_ = false;
    const uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

uint16_t Word16(const uint8_t* data, int at)
{
    return uint16_t(data[at] | data[at + 1] << 8);
}

// A 5-5-5 colour as red, green and blue.
COLORREF Colour555(uint32_t value)
{
    const auto expand = [](uint32_t v) { return BYTE(v << 3 | v >> 2); };
    return RGB(expand(value >> 10 & 31), expand(value >> 5 & 31), expand(value & 31));
}

bool CopyPixels(Bitmap& bitmap, const AssetData& asset, bool compressed)
{
    const uint32_t bytes = bitmap.RowBytes() * uint32_t(bitmap.Height());
    if (compressed) {
        const auto decode = reinterpret_cast<QuorDecodeService>(GetServiceAddress(11));
        return decode != nullptr && decode(bitmap.Pixels(), bytes, asset.Bytes()) != 0;
    }
    if (asset.Size() < 20 + std::size_t(bytes))
        return false;
    std::memcpy(bitmap.Pixels(), asset.Bytes() + 20, bytes);
    return true;
}

}  // namespace

AwardImage CardPicture::Image() const
{
    AwardImage image{};
    image.kind = FormatCodeForDepth(bitmap.Depth()) | (transparent ? kAwardTransparent : 0);
    image.bitmap = bitmap.Handle();
    image.info = const_cast<BITMAPINFO*>(bitmap.Info());
    image.pixels = bitmap.Pixels();
    image.rect = RECT{0, 0, bitmap.Width(), bitmap.Height()};
    image.transparent = key;
    return image;
}

bool LoadBitmapAsset(CardPicture& picture, int32_t file, int32_t index)
{
    const AssetData asset(uint32_t(file) | uint32_t(index));
    if (!asset.IsKind("BMAP"))
        return false;
    const uint8_t* data = asset.Bytes();
    const int32_t width = Word16(data, 8), height = Word16(data, 10);
    if (width == 0 || height == 0 || !picture.bitmap.Create(width, height, 15, true))
        return false;
    if (!CopyPixels(picture.bitmap, asset, Word16(data, 6) != 0))
        return false;
    uint32_t key = 0;
    std::memcpy(&key, data + 12, 4);
    picture.key = Colour555(key);
    picture.transparent = (Word16(data, 4) & 8) != 0;
    return true;
}

bool LoadBitmapAssetFromFile(CardPicture& picture, const std::string& path, int32_t index)
{
    const int32_t file = OpenAssetFile(path.c_str());
    if (file == -1)
        return false;
    const bool loaded = LoadBitmapAsset(picture, file, index);
    CloseAssetFile(uint32_t(file));
    return loaded;
}

bool LoadSpriteFrameBitmap(CardPicture& picture, int32_t file, int32_t index, int sequence, int frame)
{
    uint32_t image = 0;
    {
        const AssetData sprite(uint32_t(file) | uint32_t(index));
        std::vector<SpriteSequence> sequences;
        if (!sprite.IsKind("SPRT") ||
            !ReadSprtSequences(sprite.Bytes(), sprite.Size(), uint32_t(uintptr_t(sprite.Bytes())), sequences))
            return false;
        if (sequence < 0 || std::size_t(sequence) >= sequences.size() || frame < 0 ||
            std::size_t(frame) >= sequences[sequence].size())
            return false;
        image = sequences[sequence][frame].picture;
    }
    return image != 0 && LoadBitmapAsset(picture, file, int32_t(image));
}

bool LoadArtBitmap(CardPicture& picture, const ArtRef& ref, const std::string& clipArt)
{
    const std::string path = clipArt + "\\" + ref.file;
    if (ref.isAsset)
        return LoadBitmapAssetFromFile(picture, path, ref.index);
    picture.transparent = false;
    return picture.bitmap.LoadImageFile(path);
}

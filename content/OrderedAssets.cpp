#include "OrderedAssets.h"

#include <cstdio>
#include <stdexcept>

#include "Bitmap.h"
#include "EnginePicture.h"

namespace content {

uint32_t OrderedAssets::AddPicture(const Bitmap& picture, bool transparent) {
    std::unique_ptr<Bitmap> dib = MakeEnginePicture(picture, picture.Bounds());
    if (!dib) throw std::runtime_error("OrderedAssets: no engine picture");
    GdiFlush();
    PictureAsset p;
    p.keyed = transparent;
    p.width = uint16_t(dib->Width());
    p.height = uint16_t(dib->Height());
    if (transparent) p.key = PackColourKey(GetColorKey(picture));
    p.pixels = dib->Pixels();
    p.pixelBytes = dib->RowBytes() * uint32_t(dib->Height());
    assets_.push_back(AssetBody{kImageAssetType, PictureAssetData(p)});
    sizes_.push_back(Size{p.width, p.height});
    return Count();
}

uint32_t OrderedAssets::AddBackdrop(uint32_t picture) {
    const Size s = sizes_.at(picture - 1);
    assets_.push_back(AssetBody{kBackdropAssetType, BackdropAssetData(s.width, s.height, uint16_t(picture))});
    sizes_.push_back(s);
    return Count();
}

uint32_t OrderedAssets::AddLevelPicture(uint16_t width, uint16_t height, const std::vector<uint8_t>& levels) {
    const uint32_t row = (uint32_t(width) + 3) & ~3u;
    std::vector<uint8_t> pixels(size_t(row) * height, 0);
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x) pixels[y * row + x] = levels[size_t(y) * width + x];
    PictureAsset p;
    p.width = width;
    p.height = height;
    p.pixels = pixels.data();
    p.pixelBytes = uint32_t(pixels.size());
    std::vector<uint8_t> data = PictureAssetData(p);
    data[0] = 1;  // the level kind: one byte per pixel
    data[1] = 0;
    assets_.push_back(AssetBody{kImageAssetType, data});
    sizes_.push_back(Size{width, height});
    return Count();
}

uint32_t OrderedAssets::AddSprite(const SpriteSequence& frames) {
    assets_.push_back(AssetBody{kSpriteAssetType, SpriteAssetData({frames})});
    sizes_.push_back(Size{0, 0});
    return Count();
}

uint32_t OrderedAssets::AddSequences(const std::vector<SpriteSequence>& sequences) {
    assets_.push_back(AssetBody{kSpriteAssetType, SpriteAssetData(sequences)});
    sizes_.push_back(Size{0, 0});
    return Count();
}

uint32_t OrderedAssets::AddChunk(uint32_t type, std::vector<uint8_t> data) {
    assets_.push_back(AssetBody{type, std::move(data)});
    sizes_.push_back(Size{0, 0});
    return Count();
}

uint32_t OrderedAssets::AddFramesSprite(uint32_t first, uint32_t count, int32_t x, int32_t y) {
    SpriteSequence frames;
    for (uint32_t i = 0; i < count; ++i) {
        SpriteFrame f;
        f.picture = first + i;
        f.x = x;
        f.y = y;
        frames.push_back(f);
    }
    return AddSprite(frames);
}

bool OrderedAssets::Write(const std::string& path) const {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool written = WriteAssetContainer(f, assets_) < 0;
    if (written && !userInfo_.empty()) {
        // The user information follows the assets; the header's third and fourth words
        // give its size and offset.
        const long offset = std::ftell(f);
        const uint32_t place[2] = {uint32_t(userInfo_.size()), uint32_t(offset)};
        written = std::fwrite(userInfo_.data(), 1, userInfo_.size(), f) == userInfo_.size() &&
                  std::fseek(f, 8, SEEK_SET) == 0 && std::fwrite(place, 4, 2, f) == 2;
    }
    return std::fclose(f) == 0 && written;
}

}  // namespace content

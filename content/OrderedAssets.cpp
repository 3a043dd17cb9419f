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

bool OrderedAssets::Write(const std::string& path) const {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = WriteAssetContainer(f, assets_) < 0;
    return std::fclose(f) == 0 && written;
}

}  // namespace content

// An asset file whose assets are written in the order they are added, for files whose
// asset numbers are fixed by the program that reads them (pictures and backdrops
// as the layout needs).
#pragma once
#include <string>
#include <vector>

#include "AssetContainer.h"
#include "AssetRecords.h"

class Bitmap;

namespace content {

class OrderedAssets {
public:
    // Each returns the new asset's 1-based number.
    uint32_t AddPicture(const Bitmap& picture, bool transparent);
    uint32_t AddBackdrop(uint32_t picture);

    uint32_t Count() const { return uint32_t(assets_.size()); }
    bool Write(const std::string& path) const;

private:
    struct Size {
        uint16_t width, height;
    };
    std::vector<AssetBody> assets_;
    std::vector<Size> sizes_;
};

}  // namespace content

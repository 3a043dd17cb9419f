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
    // One byte per pixel (levels 0-255), rows as given.
    uint32_t AddLevelPicture(uint16_t width, uint16_t height, const std::vector<uint8_t>& levels);
    // Pictures in the order of their frames (with the frames' offsets), one sequence.
    uint32_t AddSprite(const SpriteSequence& frames);
    // A sprite of several sequences.
    uint32_t AddSequences(const std::vector<SpriteSequence>& sequences);
    // Any other asset: a sound, a name, a table.
    uint32_t AddChunk(uint32_t type, std::vector<uint8_t> data);
    // The file's user information, written after the assets.
    void SetUserInfo(std::vector<uint8_t> info) { userInfo_ = std::move(info); }
    // A sprite of one sequence showing the `count` pictures from `first` on in order.
    uint32_t AddFramesSprite(uint32_t first, uint32_t count, int32_t x = 0, int32_t y = 0);

    uint32_t Count() const { return uint32_t(assets_.size()); }
    bool Write(const std::string& path) const;

private:
    struct Size {
        uint16_t width, height;
    };
    std::vector<AssetBody> assets_;
    std::vector<Size> sizes_;
    std::vector<uint8_t> userInfo_;
};

}  // namespace content

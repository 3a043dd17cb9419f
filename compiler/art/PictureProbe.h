// How the compiler learns the size of a picture: from a bitmap file, or from the first
// frame of a sprite asset in an asset file. The platform provides the implementation, so
// that the statement parsers need none; without one every picture is 0 by 0.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The width and height of a picture; 0 by 0 when it could not be read.
struct PictureSize {
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const PictureSize& o) const { return width == o.width && height == o.height; }
};

class PictureProbe {
public:
    virtual ~PictureProbe() = default;
    // 0 by 0 for a file that is missing or no bitmap.
    virtual PictureSize GetBitmapFileSize(const std::string& path) = 0;
    // The first frame of the sprite asset with the number. 0 by 0 when the asset file is
    // missing, the asset is no sprite or its first picture no image; std::runtime_error
    // "No asset #" when the file lacks the asset number.
    virtual PictureSize GetAssetFrameSize(const std::string& assetFile, int32_t assetNumber) = 0;

    // The bitmap size of the first file of a list; an empty list probes an empty path.
    PictureSize GetFirstFileSize(const std::vector<std::string>& files) {
        return GetBitmapFileSize(files.empty() ? std::string() : files.front());
    }
};

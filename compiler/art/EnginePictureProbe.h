// The picture probe of the Windows program: bitmap files through the platform's image
// loader, sprite assets through the engine's asset exports.
#pragma once
#include "PictureProbe.h"

class EnginePictureProbe : public PictureProbe {
public:
    PictureSize GetBitmapFileSize(const std::string& path) override;
    PictureSize GetAssetFrameSize(const std::string& assetFile, int32_t assetNumber) override;
};

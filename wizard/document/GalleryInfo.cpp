#include "GalleryInfo.h"

#include "Quor2_5.h"

namespace {

const size_t kSoundCountOffset = 56;  // after the two records of 28 bytes

int32_t WordAt(const uint8_t* bytes)
{
    return int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                   uint32_t(bytes[3]) << 24);
}

}  // namespace

bool ReadGallerySoundList(const uint8_t* bytes, size_t size, GalleryInfo& info)
{
    if (bytes == nullptr || size < kSoundCountOffset + 12)
        return false;
    info.soundCount = WordAt(bytes + kSoundCountOffset);
    info.firstSoundName = WordAt(bytes + kSoundCountOffset + 4);
    info.firstSound = WordAt(bytes + kSoundCountOffset + 8);
    return true;
}

bool ReadGalleryInfo(int32_t galleryFile, GalleryInfo& info)
{
    uint8_t bytes[kGalleryUserInfoBytes] = {};
    uint32_t size = sizeof bytes;
    if (galleryFile == -1 || !GetAssetFileUserInfo(uint32_t(galleryFile), bytes, &size))
        return false;
    if (!ReadGalleryRecord(bytes, size, kSymbolGalleryRecord, info.symbols) ||
        !ReadGalleryRecord(bytes, size, kBackdropGalleryRecord, info.backdrops))
        return false;
    // A gallery without a sound list still serves the pictures.
    ReadGallerySoundList(bytes, size, info);
    return true;
}

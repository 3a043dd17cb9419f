// What the user information of the open "gallery.ast" says: the pickers' records of the
// reel symbols and award backdrops, and the sound list (how many sounds, the asset of the
// first name and of the first sound).
#pragma once
#include <cstdint>

#include "GalleryRecord.h"

struct GalleryInfo {
    GalleryRecord symbols;
    GalleryRecord backdrops;
    int32_t soundCount = 0;
    int32_t firstSoundName = 0;
    int32_t firstSound = 0;
};

// Reads it from the engine's handle of the open gallery; false when the file has none.
bool ReadGalleryInfo(int32_t galleryFile, GalleryInfo& info);

// The sound words follow the two records in the user information.
bool ReadGallerySoundList(const uint8_t* bytes, size_t size, GalleryInfo& info);

// The name of a gallery sound: a "NAME" asset of "gallery.ast" holding it zero-terminated.
#pragma once
#include <cstdint>
#include <string>

// Empty when the asset cannot be read.
std::string GallerySoundName(int32_t galleryFile, int32_t nameAsset);

// The gallery picker for a reel symbol: the gallery file's first record, six rows shown.
#pragma once
#include "GalleryPicker.h"

class ReelSymbolPicker : public GalleryPicker {
public:
    explicit ReelSymbolPicker(const std::string& file)
        : GalleryPicker(file, 0, 6, POINT{3, 3}, POINT{-2, -2}, "Select Reel Symbol") {}
};

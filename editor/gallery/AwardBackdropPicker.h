// The gallery picker for an award card's backdrop: the gallery file's second record, four
// rows shown.
#pragma once
#include "GalleryPicker.h"

class AwardBackdropPicker : public GalleryPicker {
public:
    explicit AwardBackdropPicker(const std::string& file)
        : GalleryPicker(file, 1, 4, POINT{10, 10}, POINT{0, -1}, "Select Award Card Backdrop") {}
};

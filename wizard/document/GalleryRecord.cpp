#include "GalleryRecord.h"

#include "WizardChoices.h"

namespace {

int32_t WordAt(const uint8_t* bytes)
{
    return int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                   uint32_t(bytes[3]) << 24);
}

}  // namespace

bool ReadGalleryRecord(const uint8_t* info, size_t size, int which, GalleryRecord& record)
{
    const size_t start = size_t(which) * 28;
    if (info == nullptr || which < 0 || start + 28 > size)
        return false;
    int32_t* words[] = {&record.pictures, &record.unused,     &record.base,     &record.step,
                        &record.thumbnails, &record.backdrop, &record.highlight};
    for (size_t w = 0; w < 7; ++w)
        *words[w] = WordAt(info + start + 4 * w);
    return true;
}

void TranslateGalleryPicks(WizardChoices& document, const GalleryRecord& symbols, const GalleryRecord& backdrops)
{
    for (int slot = 0; slot < kSymbolSlots; ++slot) {
        const int32_t pick = document.symbolPicks[slot];
        document.symbolGalleryIndexes[slot] = pick < 0 ? -1 : AssetForPick(symbols, pick);
    }
    // A pick beyond the gallery's pictures (the page's default on a smaller gallery) takes
    // the first backdrop rather than an asset that is no backdrop.
    int32_t backdrop = int32_t(document.awardBackdropPick);
    if (backdrops.pictures > 0 && backdrop >= backdrops.pictures)
        backdrop = 0;
    document.awardBackdropIndex = uint32_t(AssetForPick(backdrops, backdrop));
}

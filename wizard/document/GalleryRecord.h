// One record of a gallery asset file's user information: how many pictures the gallery
// shows and which asset number each pick stands for. Gallery picks count from 0; asset
// numbers are the record's base plus the pick times its step, and start at 1.
#pragma once
#include <cstddef>
#include <cstdint>

class WizardChoices;

struct GalleryRecord {
    int32_t pictures = 0;
    int32_t unused = 0;
    int32_t base = 0;
    int32_t step = 0;
    int32_t thumbnails = 0;
    int32_t backdrop = 0;
    int32_t highlight = 0;
};

constexpr int kSymbolGalleryRecord = 0;
constexpr int kBackdropGalleryRecord = 1;
constexpr size_t kGalleryUserInfoBytes = 68;

// Record `which` (28 bytes each, little-endian words) of the user information; false when
// the information is too short to hold it.
bool ReadGalleryRecord(const uint8_t* info, size_t size, int which, GalleryRecord& record);

// The asset number of a gallery pick.
inline int32_t AssetForPick(const GalleryRecord& record, int32_t pick) { return record.base + pick * record.step; }

// Sets the document's symbol and backdrop asset numbers from its gallery picks, once for
// the build; slots whose picture came from a bitmap (pick -1) keep -1.
void TranslateGalleryPicks(WizardChoices& document, const GalleryRecord& symbols, const GalleryRecord& backdrops);

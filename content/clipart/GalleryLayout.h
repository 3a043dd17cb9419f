// How the wizard's gallery file "gallery.ast" is laid out: its user information (68 bytes)
// holds two picker records of seven words (the reel symbols, then the award-card
// backdrops) and the sound list (how many, the asset of the first name, the asset of the
// first sound). The asset numbers follow from the counts, in the order the file is written.
#pragma once
#include <cstdint>

namespace gallery {

const uint32_t kUserInfoBytes = 68;
const int kRecordWords = 7;

// Words of a picker record.
enum RecordWord { kPictureCount, kUnused, kBase, kStep, kThumbnails, kDialogBackdrop, kHighlight };
// Words after the two records.
enum SoundWord { kSoundCountWord = 14, kFirstNameWord = 15, kFirstSoundWord = 16 };

const int kSymbolCount = 48;       // twelve rows of four
const int kBackdropCount = 16;     // four rows of four
const int kSoundsPerFamily = 24;
const int kSoundFamilies = 12;
const int kSoundCount = kSoundsPerFamily * kSoundFamilies;

// Cells of the two pickers' views: four columns, six and four visible rows.
const int kSymbolSize = 64, kSymbolCell = 70;
const int kBackdropWidth = 200, kBackdropHeight = 150;
const int kBackdropThumbWidth = 80, kBackdropThumbHeight = 60;
const int kBackdropCellWidth = 100, kBackdropCellHeight = 80;

// Asset numbers, 1-based, in the order they are written.
const uint32_t kFirstBackdrop = 1;
const uint32_t kFirstBackdropThumb = kFirstBackdrop + kBackdropCount;
const uint32_t kFirstSymbolPicture = kFirstBackdropThumb + kBackdropCount;
const uint32_t kSymbolDialogPicture = kFirstSymbolPicture + kSymbolCount;
const uint32_t kBackdropDialogPicture = kSymbolDialogPicture + 1;
const uint32_t kSymbolHighlightPicture = kBackdropDialogPicture + 1;
const uint32_t kBackdropHighlightPicture = kSymbolHighlightPicture + 1;
const uint32_t kSymbolDialog = kBackdropHighlightPicture + 1;
const uint32_t kBackdropDialog = kSymbolDialog + 1;
const uint32_t kFirstSymbolSprite = kBackdropDialog + 1;
const uint32_t kSymbolThumbnails = kFirstSymbolSprite + kSymbolCount;
const uint32_t kBackdropThumbnails = kSymbolThumbnails + 1;
const uint32_t kSymbolHighlight = kBackdropThumbnails + 1;
const uint32_t kBackdropHighlight = kSymbolHighlight + 1;
const uint32_t kFirstName = kBackdropHighlight + 1;
const uint32_t kFirstSoundAsset = kFirstName + kSoundCount;
const uint32_t kAssetCount = kFirstSoundAsset + kSoundCount - 1;

const uint32_t kNameType = 0x454D414Eu;  // "NAME": a sound's name, zero-terminated

// "GalleryExtra.ast": the symbols page's frame around a chosen symbol and the picture of
// an empty slot, each a picture and a sprite showing it.
const uint32_t kExtraFramePicture = 1, kExtraEmptyPicture = 2, kExtraFrame = 3, kExtraEmpty = 4;

}  // namespace gallery

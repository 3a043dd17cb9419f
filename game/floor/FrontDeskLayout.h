// Where each asset of "fdassets.ast" sits, and where the Front Desk puts its elements.
// Positions are design units: the screen takes x * 7 / 6 and y * 8 / 6. Platform-free; the
// content generator writes the file in this order.
#pragma once
#include <cstdint>

namespace frontdesk {

const uint32_t kBackdropPicture = 1;
const uint32_t kBackdrop = 2;
// Each label sprite follows its level picture: row r's name at 4 + 2r, date at 22 + 2r,
// cash at 40 + 2r.
inline uint32_t NameSprite(int32_t row) { return 4 + 2 * uint32_t(row); }
inline uint32_t DateSprite(int32_t row) { return 22 + 2 * uint32_t(row); }
inline uint32_t CashSprite(int32_t row) { return 40 + 2 * uint32_t(row); }
const uint32_t kFirstLoaded = 3;
const uint32_t kLastLoaded = 86;
const uint32_t kFontPicture = 57;
const uint32_t kFontSprite = 58;
const uint32_t kCaretPicture = 59;
const uint32_t kCaretSprite = 60;
const uint32_t kCheckFirstFrame = 61;  // five frames
const uint32_t kCheckSprite = 66;
const uint32_t kCreditFirstFrame = 67;  // four frames each
const uint32_t kCreditSprite = 71;
const uint32_t kDeleteFirstFrame = 72;
const uint32_t kDeleteSprite = 76;
const uint32_t kExitFirstFrame = 77;
const uint32_t kExitSprite = 81;

inline int32_t ScreenX(int32_t x) { return x * 7 / 6; }
inline int32_t ScreenY(int32_t y) { return y * 8 / 6; }

// Glyph cells of the font picture: 16 to a row, characters 32 to 126 in order.
const int32_t kGlyphCellWidth = 14, kGlyphCellHeight = 24, kGlyphBase = 18, kGlyphAdvance = 11;

// The most characters a player's name may have; the name column shows all of them.
const int32_t kNameLength = 24;
// The size of the label pictures (screen pixels): the name's holds kNameLength glyphs.
const int32_t kNameWidth = kNameLength * kGlyphAdvance + (kGlyphCellWidth - kGlyphAdvance);
const int32_t kDateWidth = 100, kCashWidth = 140, kLabelHeight = 24;
// The columns' left edges (screen pixels), and the room between a column and the next one's
// line.
const int32_t kColumnGap = 12;
const int32_t kNameColumn = ScreenX(117);
const int32_t kCashColumn = kNameColumn + kNameWidth + kColumnGap;
const int32_t kDateColumn = kCashColumn + kCashWidth + kColumnGap;
const int32_t kButtonWidth = 58, kButtonHeight = 28;
const int32_t kCheckSize = 20, kCheckGap = 4;  // the check box and its gap before the name

const int32_t kRows = 9;
// The rows' lines (design units): each row's labels stand 29 above its line.
const int32_t kY1[kRows] = {204, 224, 243, 263, 283, 303, 323, 343, 362};

const int32_t kGlyphs = 95;
const int32_t kFontPictureWidth = 16 * kGlyphCellWidth, kFontPictureHeight = 6 * kGlyphCellHeight;

// The source values of glyph i (character 32 + i): its rectangle, base y, pen x and
// right pen x in the font picture.
struct GlyphSource {
    int32_t left, top, right, bottom, baseY, penX, rightPenX;
};
inline GlyphSource GlyphSourceOf(int32_t i) {
    const int32_t left = (i % 16) * kGlyphCellWidth, top = (i / 16) * kGlyphCellHeight;
    return GlyphSource{left, top, left + kGlyphCellWidth, top + kGlyphCellHeight, top + kGlyphBase, left + 1,
                       left + kGlyphAdvance};
}

}  // namespace frontdesk

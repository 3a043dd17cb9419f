// The arithmetic of a gallery picker: the seven words of a gallery record, the rows of
// four thumbnails, the first visible row as the scroll bar moves it, the cell under a
// point and the number that a picked cell gives. Only cells that hold a picture count.
#pragma once
#include <cstdint>

// One record of a gallery file's user information (seven words, record k at byte 28 k).
struct GalleryRecord {
    static const int kWords = 7;
    static const int kBytes = kWords * 4;
    enum Word { kPictureCount, kUnused, kBase, kStep, kThumbnails, kBackdrop, kHighlight };

    int32_t words[kWords] = {};
    int32_t operator[](Word w) const { return words[w]; }
};

struct GalleryCell {
    int32_t column = -1;
    int32_t row = -1;  // row of the gallery, not of the view
};

class GalleryGrid {
public:
    static const int32_t kColumns = 4;
    // Scroll-bar requests, as the vertical scroll bar sends them.
    enum ScrollCode { kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbPosition = 4, kThumbTrack = 5 };

    GalleryGrid(const GalleryRecord& record, int32_t visibleRows) : record_(record), visibleRows_(visibleRows) {}

    // Rows of four; a last row that is not full still counts.
    int32_t GetRows() const;
    int32_t GetLargestFirstRow() const;
    int32_t GetVisibleRows() const { return visibleRows_; }
    // The first visible row after a scroll request (unknown requests keep it).
    int32_t Scroll(int32_t firstRow, int code, int32_t thumb) const;

    // The cell under a point of the view whose cells are cellWidth x cellHeight.
    static GalleryCell CellAt(int32_t x, int32_t y, int32_t cellWidth, int32_t cellHeight, int32_t firstRow);
    // Whether the cell shows one of the gallery's pictures.
    bool HoldsPicture(const GalleryCell& cell) const;
    // (column + row x 4) x step + base.
    int32_t PictureNumber(const GalleryCell& cell) const;

private:
    GalleryRecord record_;
    int32_t visibleRows_;
};

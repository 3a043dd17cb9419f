#include "GalleryGrid.h"

#include <algorithm>

int32_t GalleryGrid::GetRows() const {
    const int32_t count = std::max<int32_t>(0, record_[GalleryRecord::kPictureCount]);
    return (count + kColumns - 1) / kColumns;
}

int32_t GalleryGrid::GetLargestFirstRow() const { return std::max<int32_t>(0, GetRows() - visibleRows_); }

int32_t GalleryGrid::Scroll(int32_t firstRow, int code, int32_t thumb) const {
    const int32_t largest = GetLargestFirstRow();
    switch (code) {
    case kLineUp:
        return firstRow > 0 ? firstRow - 1 : firstRow;
    case kLineDown:
        return firstRow < largest ? firstRow + 1 : firstRow;
    case kPageUp:
        return std::max<int32_t>(0, firstRow - visibleRows_);
    case kPageDown:
        return std::min<int32_t>(largest, firstRow + visibleRows_);
    case kThumbPosition:
    case kThumbTrack:
        return std::clamp<int32_t>(thumb, 0, largest);
    default:
        return firstRow;
    }
}

GalleryCell GalleryGrid::CellAt(int32_t x, int32_t y, int32_t cellWidth, int32_t cellHeight, int32_t firstRow) {
    if (cellWidth <= 0 || cellHeight <= 0 || x < 0 || y < 0) return GalleryCell{};
    return GalleryCell{x / cellWidth, y / cellHeight + firstRow};
}

bool GalleryGrid::HoldsPicture(const GalleryCell& cell) const {
    if (cell.column < 0 || cell.column >= kColumns || cell.row < 0) return false;
    return int64_t(cell.row) * kColumns + cell.column < record_[GalleryRecord::kPictureCount];
}

int32_t GalleryGrid::PictureNumber(const GalleryCell& cell) const {
    return (cell.column + cell.row * kColumns) * record_[GalleryRecord::kStep] + record_[GalleryRecord::kBase];
}

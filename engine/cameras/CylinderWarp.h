// Bends a picture as if it were painted on a cylinder seen from its axis: each output
// column samples one source column and is squeezed vertically by the cosine of its angle
// from the centre, so the picture narrows in height towards the sides.
#pragma once
#include <cstdint>
#include <cstddef>
#include <vector>

#include "Blend555.h"

class CylinderWarp {
public:
    // `circumference` in pixels gives the angle of one column (2 pi / circumference);
    // `centreRow` is the source row that stays in place in every column (negative: the
    // middle row); `startColumn` is the source column shown in output column 0; mode 0
    // takes the nearest source row, mode 1 blends the two nearest by quarters.
    CylinderWarp(double circumference, int32_t centreRow, int32_t startColumn, int32_t mode);

    // Rebuilds the column table when the size or the scale changed.
    void Prepare(int32_t width, int32_t height, double scale);
    // Warps a 16-bit 5-5-5 picture (rows `srcRowPixels` apart) into `dst` (rows
    // `dstRowPixels` apart), both width x height as prepared.
    void Resample(const uint16_t* src, int32_t srcRowPixels, uint16_t* dst, int32_t dstRowPixels) const;

    int32_t Mode() const { return mode_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // 32.32 fixed-point source rows per output row of a column (>= 1 away from the centre).
    int64_t ColumnStep(int32_t column) const { return steps_[size_t(column)]; }

private:
    double step_;
    int32_t centreRow_;
    int32_t startColumn_;
    int32_t mode_;
    int32_t width_ = -1, height_ = -1;
    double scale_ = 0;
    std::vector<int64_t> steps_;
};

// The lobby's panorama as seen from inside a cylinder, worked out on plain pixel views so
// that it needs no platform. A view of a given size, zoom and position takes panorama
// columns at an even pace; each column is stretched vertically about the horizon row by a
// factor that grows toward the view's sides. The panorama is a closed cylinder: past its
// last column it goes on with the first. It may be stored rotated (logical column c in
// stored row c, logical row r in stored column r); callers then give positions in stored
// coordinates and get the rectangle back in them.
#pragma once
#include <cstdint>
#include <vector>

#include "PixelView.h"

// A rectangle of the panorama (right and bottom exclusive).
struct PanoramaRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

class PanoramaWarp {
public:
    // 15-bit grey of view rows that lie above or below the panorama.
    static constexpr uint16_t kGrey = 0x3DEF;

    // `width` and `height` describe the logical panorama (for a rotated one, the stored
    // height and width); `angle` is the angle in radians its full width spans.
    PanoramaWarp(int32_t width, int32_t height, int32_t horizon, bool rotated, double angle);

    // Prepares a view of w x h pixels at `zoom` view pixels per panorama pixel from (x, y)
    // and returns the part of the panorama that the next render reads. A view without
    // pixels or a zoom outside 1/1024 to 1024 leaves no tables, and nothing renders.
    PanoramaRect Setup(int32_t w, int32_t h, double zoom, int32_t x, int32_t y);

    // Draw the prepared view into the top-left w x h pixels of `image` from the stored
    // panorama. False, drawing nothing, before a Setup, or when either view is not a
    // 15/16-bit picture of the sizes needed.
    bool Render(const PixelView& panorama, const PixelView& image, int32_t x, int32_t y);
    bool RenderSmooth(const PixelView& panorama, const PixelView& image, int32_t x, int32_t y);

    bool HasTables() const { return tablesValid_; }
    int32_t ViewWidth() const { return viewWidth_; }
    int32_t ViewHeight() const { return viewHeight_; }
    double Zoom() const { return zoom_; }
    int32_t CoveredColumns() const { return coveredColumns_; }
    int32_t CoveredRows() const { return coveredRows_; }
    // Panorama rows that one view row advances in view column i.
    double ColumnRowStep(int32_t i) const { return columns_[size_t(i)]; }

private:
    // How one view column reads its panorama column: grey rows at both ends, and between
    // them rows from `start` on, `step` apart (both in 32.32 fixed point).
    struct ColumnRun {
        int32_t greyTop = 0, greyBottom = 0;
        int64_t start = 0, step = 0;
    };
    // The stored panorama walked in logical directions.
    struct Source {
        const uint16_t* origin;  // logical column 0, row 0
        ptrdiff_t rowStride;     // pixels from a logical row to the next
        ptrdiff_t columnStride;  // pixels from a logical column to the next
    };
    struct Target {
        uint16_t* origin;
        ptrdiff_t rowStride;
    };

    // How many of `count` rows, `step` apart from `start` (32.32, step above 0), come
    // before panorama row `row`.
    static int32_t RowsBefore(int64_t start, int64_t step, int32_t count, int32_t row);
    void BuildColumnTable(int32_t w, double zoom);
    void SetOrigin(int32_t x, int32_t y);
    PanoramaRect ReadRectangle(int32_t x, int32_t y) const;
    ColumnRun PlanColumn(int32_t i, int32_t y) const;
    bool Prepare(const PixelView& panorama, const PixelView& image, int32_t& x, int32_t& y, Source& source,
                 Target& target) const;
    uint32_t ColumnStep() const;
    int32_t Wrap(int64_t column) const;
    // One view column from panorama column `column`: nearest samples or blended ones.
    template <bool blend>
    void DrawColumn(const Source& source, int32_t column, const ColumnRun& run, uint16_t* out,
                    ptrdiff_t outStride) const;
    void RenderColumns(const Source& source, const Target& target, int32_t x, int32_t y, bool blend);
    void RenderBetweenColumns(const Source& source, const Target& target, int32_t x, int32_t y);

    int32_t panoramaWidth_, panoramaHeight_;
    int32_t horizon_;
    double angle_;
    bool rotated_;
    int32_t viewWidth_ = 0, viewHeight_ = 0;
    double zoom_ = 1.0;
    int32_t coveredColumns_ = 0, coveredRows_ = 0;
    int32_t originX_ = 0, originY_ = 0;
    int32_t horizonOffset_ = 0;        // horizon row - view y
    double zoomedHorizonOffset_ = 0;   // the same in view pixels
    int32_t belowHorizon_ = 0;         // view height - horizon offset
    std::vector<double> columns_;      // one per view column, however wide the view
    std::vector<uint16_t> current_, next_;  // vertically blended columns, zoom above 1 only
    int32_t bufferHeight_ = 0;
    bool tablesValid_ = false;
};

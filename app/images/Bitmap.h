// The program's own picture: a GDI DIB section of 8, 15, 16 or 24 bits per pixel with its
// header and colour table, kept in step with an engine surface record so that it can be
// handed to the engine's blit service. It can be made empty, wrap an engine surface or
// pixel memory of someone else, be loaded from a .bmp file or the clipboard, change depth,
// be resampled, flipped, copied and saved as a .bmp file. Every operation on an empty
// bitmap fails without side effects.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "PixelView.h"
#include "Quor2_5.h"

// Where one picture is drawn into another: the rectangle it fills there and the extent
// taken of it, from its top-left corner.
struct BitmapPlacement {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t sourceWidth = 0, sourceHeight = 0;
};

class Bitmap {
public:
    Bitmap();
    Bitmap(const Bitmap& other);
    Bitmap(int32_t width, int32_t height, int depth, bool topDown, const RGBQUAD* colours = nullptr);
    // Over an engine surface, not owning its DIB section.
    explicit Bitmap(const QuorSurfaceRecord& record);
    // Over pixel memory of someone else, not owning it.
    Bitmap(void* pixels, int32_t width, int32_t height, int depth, bool topDown, const RGBQUAD* colours,
           HBITMAP bitmap);
    ~Bitmap();
    Bitmap& operator=(const Bitmap&) = delete;

    bool CopyFrom(const Bitmap& other);
    // A new DIB section; 8 bits without a colour table take the default palette.
    bool Create(int32_t width, int32_t height, int depth, bool topDown, const RGBQUAD* colours = nullptr);
    bool InitFromHeader(const QuorSurfaceRecord& record);
    bool InitOverPixels(void* pixels, int32_t width, int32_t height, int depth, bool topDown,
                        const RGBQUAD* colours, HBITMAP bitmap);
    // Takes over a DIB section.
    bool FromHandle(HBITMAP bitmap);
    void Free();
    void Swap(Bitmap& other);

    // Brings the pixels to another depth (8 bits needs a colour table); the same depth
    // without a new table is left as it is.
    bool StretchInto(int depth, const RGBQUAD* colours = nullptr);
    bool Resize(int32_t width, int32_t height);
    bool ResampleWidth(int32_t width);
    bool ResampleHeight(int32_t height);
    bool FlipVertical();
    // Copies the source rectangle of this bitmap to `place` of `destination` (same depth),
    // clipped to both.
    bool BlitClipped(Bitmap& destination, POINT place, const RECT& source) const;
    // Draws the placement's extent of `source` resampled into the placement's rectangle of
    // this bitmap, at this bitmap's depth, clipped to it. False when either bitmap is empty
    // or the placement has no area.
    bool Convert(const BitmapPlacement& placement, const Bitmap& source);
    // Every pixel white (8 bits: the colour table's entry nearest to white).
    bool FillWhite();

    // Whether the clipboard holds a bitmap that PasteClipboard can take.
    static bool CanPaste();

    bool PasteClipboard(HWND window);
    bool LoadImageFile(const std::string& name);
    // Writes a .bmp file. A failed write throws "error in Bitmap::Save: WriteFile" and
    // leaves the file that was there before, if any.
    bool Save(const std::string& name) const;

    bool IsValid() const { return valid_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int Depth() const { return depth_; }
    bool IsTopDown() const { return topDown_; }
    uint32_t RowBytes() const { return rowBytes_; }
    uint8_t* Pixels() const { return pixels_; }
    HBITMAP Handle() const { return bitmap_; }
    bool OwnsHandle() const { return owns_; }
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(&info_); }
    const RGBQUAD* Colours() const { return info_.colours; }
    const RECT& Bounds() const { return rect_; }
    const QuorSurfaceRecord& Surface() const { return surface_; }
    PixelView View() const;

private:
    void FillHeader(int32_t width, int32_t height, int depth, bool topDown, const RGBQUAD* colours);
    bool Adopt(void* pixels, HBITMAP bitmap, bool owns);
    void SyncSurface();
    bool ReplaceBy24(int32_t width, int32_t height, bool byWidth);

    HBITMAP bitmap_ = nullptr;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info_{};
    uint8_t* pixels_ = nullptr;
    bool valid_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
    uint32_t rowBytes_ = 0;
    RECT rect_{};
    bool topDown_ = false;
    QuorSurfaceRecord surface_{};
    int depth_ = 24;
    bool owns_ = true;
};

// Surface format codes by depth (8 -> 0, 15 -> 2, 16 -> 3, 24 -> 4) and back (0 for a
// code that is not one of these).
uint32_t FormatCodeForDepth(int depth);
int DepthForFormatCode(uint32_t code);

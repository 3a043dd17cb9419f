// GDI DIB surfaces: the pictures the host and the engine draw into with GDI and hand to
// the blit service. The host sees each through its public record.
#pragma once
#include <windows.h>
#include <cstdint>

// The public surface record (ten 32-bit fields, 40 bytes). Everything that hands surfaces
// across (owner-draw blocks, the host's bitmaps, the blit services) uses this one layout:
// the header's address is the third field and the pixels' the fourth, with the HBITMAP
// between the format code and the header and the row length after the pixels. Host bitmaps keep one of these in step
// with their DIB section, set the format code by depth and the flags to 0x8000; surfaces
// made by the engine leave both 0, so the pixel depth is read from the header.
struct SurfaceRecord {
    uint32_t format;  // low 16 bits: 0 = 8 bits, 2 = 15 bits (5-5-5), 3 = 16 bits (5-6-5), 4 = 24 bits
    HBITMAP bitmap;
    BITMAPINFO* info;
    void* pixels;
    uint32_t rowBytes;
    int32_t left, top, right, bottom;  // 0, 0, width, height
    uint32_t flags;
};
static_assert(sizeof(void*) != 4 || sizeof(SurfaceRecord) == 40, "surface record layout");

enum SurfaceFormat : uint32_t { Surface8 = 0, Surface15 = 2, Surface16 = 3, Surface24 = 4 };

// True when `record` can be read as a surface: 40 readable bytes, a readable header of
// size 40 and a rectangle as wide as the header says.
bool SurfaceRecordLooksValid(const SurfaceRecord* record);

class DibSurface {
public:
    DibSurface() = default;
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // A DIB section of `bits` per pixel (8, 15, 16, 24 or 32): 16 bits uses 5-6-5 bit
    // fields, 15 plain 5-5-5 pixels. An 8-bit surface without a colour table takes the
    // system palette's static entries and the built-in colours. False when the section
    // could not be made (the record then has no pixels).
    bool Create(int32_t width, int32_t height, uint32_t bits, bool topDown, const RGBQUAD* colours);
    // A 15-bit top-down surface.
    bool Create15(int32_t width, int32_t height) { return Create(width, height, 15, true, nullptr); }
    // An 8-bit top-down surface whose colour i is the grey 255 - i, for drawing levels.
    bool CreatePaletteDibSection(int32_t width, int32_t height);
    // Takes over a copy of another surface's record; the bitmap stays the other's.
    void WrapRecord(const SurfaceRecord& other);

    SurfaceRecord& Record() { return record_; }
    const SurfaceRecord& Record() const { return record_; }
    bool HasPixels() const { return record_.pixels != nullptr; }
    // The surface whose public record this is.
    static DibSurface* FromRecord(SurfaceRecord* record) { return reinterpret_cast<DibSurface*>(record); }

private:
    void Release();

    SurfaceRecord record_ = {};  // first, so that its address is the surface's
    bool ownsBitmap_ = false;
    bool ownsInfo_ = false;
};

// A LOGPALETTE (version 0x300, 256 entries) from an 8-bit surface's colour table: entries
// 0-9 and 246-255 with flags 0, the others PC_NOCOLLAPSE. `out` holds 1028 bytes.
void MakeLogPalette(const RGBQUAD* colours, LOGPALETTE* out);
// The 256 colours an 8-bit surface takes without a colour table of its own.
void DefaultColourTable(RGBQUAD out[256]);

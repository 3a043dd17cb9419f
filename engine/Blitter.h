// The blitter plug-in "BLIT16.DLL": every pixel copy, scale, overlay, fill and fade of the
// engine goes through its 24 entry points. The engine refuses to start without it.
#pragma once
#include <windows.h>
#include <cstdint>

// The 64-byte request handed to the blit entries.
struct BlitRequest {
    int16_t srcFormat;
    int16_t dstFormat;
    uint32_t srcPixels;
    int32_t srcX, srcY, width, height;
    uint32_t srcRowPixels;
    int32_t srcRows;
    uint32_t flip;
    uint32_t dstPixels;
    int32_t dstX, dstY, dstWidth, dstHeight;
    uint32_t dstRowPixels;
    uint32_t extra;
};
static_assert(sizeof(BlitRequest) == 64, "blit request layout");

// The 32-byte request of the alpha scaler.
struct ScaleRequest {
    uint32_t srcPixels;
    int32_t srcWidth, srcHeight;
    uint32_t dstPixels;
    int32_t dstWidth, dstHeight;
    uint32_t stepFraction;
    int32_t stepInteger;
};
static_assert(sizeof(ScaleRequest) == 32, "scale request layout");

typedef int(__stdcall* BlitEntry1)(BlitRequest*);
typedef int(__stdcall* BlitEntry2)(BlitRequest*, uint32_t key);
typedef int(__stdcall* BlitEntry3)(BlitRequest*, int32_t level, int32_t count);

class Blitter {
public:
    enum Entry {
        FillBits, RenderShadow, CopyNoXlate, CopyXlate, ScaleNoXlate, ScaleXlate,
        OverlayNoXlate, OverlayXlate, ScaleOverlayNoXlate, ScaleOverlayXlate,
        GetXlateElementSize, GetMaxXlateElements, SetXlateEntries, CreateSurfaceDIB,
        CreateSurfaceQUORBITMAP, SelectTransparentColorForText,
        SelectTransparentColorForOwnerDraw, RegisterPalette, HandlePaletteChanged,
        HandleQueryNewPalette, FadeRectangle, FadeAndCopyRectangle, TranslateOneColor,
        ScaleAlphaChannel, EntryCount
    };
    static const char* const kEntryNames[EntryCount];

    // Reads the screen format and loads the plug-in; true only when every entry exists.
    bool Load();
    void Unload();
    bool Loaded() const { return loaded_; }
    FARPROC Address(Entry e) const { return entries_[e]; }
    template <class Fn>
    Fn As(Entry e) const { return reinterpret_cast<Fn>(entries_[e]); }
    const uint32_t* ScreenFormat() const { return format_; }

private:
    FARPROC entries_[EntryCount] = {};
    HMODULE module_ = nullptr;
    bool loaded_ = false;
    uint32_t format_[8] = {};
};

// The blitter plug-in "BLIT16.DLL": every pixel copy, scale, overlay, fill and fade of the
// engine goes through its 24 entry points. The engine refuses to start without it.
#pragma once
#include <windows.h>
#include <cstdint>

#include "BlitRequest.h"

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

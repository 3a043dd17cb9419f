// The engine palette for 8-bit displays: a 256-entry LOGPALETTE buffer and its GDI
// palette, filled by the blitter from a list of colour entries.
#pragma once
#include <windows.h>
#include <cstdint>

// Packed by 4 so that the GDI palette sits right after the 1028 bytes in both word sizes.
#pragma pack(push, 4)
class CurrentPalette {
public:
    ~CurrentPalette();
    // Builds a palette of `count` entries; it becomes current when the blitter accepts it.
    static int Install(int32_t count, const void* colours);
    static CurrentPalette* Current();
    static void Free();
    HPALETTE Palette() const { return palette_; }
    const LOGPALETTE* Log() const { return reinterpret_cast<const LOGPALETTE*>(buffer_); }

private:
    // The blitter's palette registration fills the buffer and stores the GDI palette it
    // makes right after it.
    alignas(4) uint8_t buffer_[1028] = {};
    HPALETTE palette_ = nullptr;
    int registered_ = 0;
};
#pragma pack(pop)

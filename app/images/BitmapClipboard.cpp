// Taking a bitmap from the clipboard's CF_DIB form, and whether there is one to take.
#include <cstring>

#include "Bitmap.h"
#include "PackedDib.h"

namespace {

// Creates `bitmap` from a packed DIB and copies its pixels; 32-bit pixels lose their
// unused byte.
bool TakePackedDib(const PackedDib& dib, Bitmap& bitmap) {
    const int depth = dib.depth == 32 ? 24 : dib.depth;
    if (!bitmap.Create(dib.width, dib.height, depth, dib.topDown, reinterpret_cast<const RGBQUAD*>(dib.colours)))
        return false;
    for (int32_t y = 0; y < dib.height; ++y) {
        const uint8_t* from = dib.bits + size_t(dib.topDown ? y : dib.height - 1 - y) * dib.rowBytes;
        uint8_t* to = bitmap.View().Row(y);
        if (dib.depth == 32)
            for (int32_t x = 0; x < dib.width; ++x) std::memcpy(to + 3 * x, from + 4 * x, 3);
        else
            std::memcpy(to, from, bitmap.RowBytes());
    }
    return true;
}

}  // namespace

bool Bitmap::PasteClipboard(HWND window) {
    if (!OpenClipboard(window)) return false;
    bool taken = false;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        if (const void* bytes = GlobalLock(data)) {
            PackedDib dib;
            if (ParsePackedDib(static_cast<const uint8_t*>(bytes), GlobalSize(data), dib)) {
                Bitmap pasted;
                taken = TakePackedDib(dib, pasted);
                if (taken) Swap(pasted);
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return taken && valid_;
}

bool Bitmap::CanPaste() { return IsClipboardFormatAvailable(CF_DIB) || IsClipboardFormatAvailable(CF_BITMAP); }

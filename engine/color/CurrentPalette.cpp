#include "CurrentPalette.h"

#include <cstddef>
#include <new>

#include "Blitter.h"
#include "LibraryContext.h"

namespace {
CurrentPalette* g_current = nullptr;
typedef int(__stdcall* RegisterPaletteEntry)(void* object, const void* colours, int32_t count);
}  // namespace

CurrentPalette::~CurrentPalette() {
    if (palette_) DeleteObject(palette_);
}

int CurrentPalette::Install(int32_t count, const void* colours) {
    ErrorState& errors = Errors();
    if (!colours) errors.Raise(ErrNullArgument);
    if (count < 0 || count > 256) errors.Raise(ErrBadXlateRange, count);
    CurrentPalette* p = new (std::nothrow) CurrentPalette;
    if (!p) errors.Raise(ErrOutOfMemory);
    auto reg = Context()->blitter->As<RegisterPaletteEntry>(Blitter::RegisterPalette);
    static_assert(offsetof(CurrentPalette, palette_) == 1028, "the palette follows its buffer");
    p->registered_ = reg(p->buffer_, colours, count);
    if (!p->registered_) {
        delete p;  // the previous palette stays current
        return 0;
    }
    delete g_current;
    g_current = p;
    return 1;
}

CurrentPalette* CurrentPalette::Current() { return g_current; }

void CurrentPalette::Free() {
    delete g_current;
    g_current = nullptr;
}

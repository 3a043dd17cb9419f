#include "BitmapDecoders.h"

#include <string>

#include "FourCC.h"
#include "LibraryContext.h"

namespace {
struct DecoderSlot {
    HMODULE module = nullptr;
    DecoderDecodeEntry decode = nullptr;
    std::string name;
};
DecoderSlot g_slots[16];
}  // namespace

int RegisterBitmapDecoder(uint32_t slot, const char* library) {
    ErrorState& errors = Errors();
    slot &= 0xFF;
    if (slot >= 16) {
        errors.Set(ErrBadDecoderSlot, int32_t(slot));
        return 0;
    }
    if (!library) {
        errors.Set(ErrNullArgument);
        return 0;
    }
    DecoderSlot& s = g_slots[slot];
    if (s.module) {
        if (s.name == library) return 1;
        errors.Set(ErrDecoderSlotTaken, int32_t(slot));
        return 0;
    }
    HMODULE module = LoadLibraryA(library);
    if (!module) {
        errors.Set(ErrLoadLibraryFailed);
        return 0;
    }
    auto getType = reinterpret_cast<DecoderTypeEntry>(GetProcAddress(module, "_getType@0"));
    auto decode = reinterpret_cast<DecoderDecodeEntry>(GetProcAddress(module, "_decode@16"));
    if (!getType || !decode || getType() != FourCC("BMAP")) {
        FreeLibrary(module);
        errors.Set(ErrWrongPluginType);
        return 0;
    }
    s.module = module;
    s.decode = decode;
    s.name = library;
    return 1;
}

DecoderDecodeEntry BitmapDecoderEntry(uint32_t slot) {
    return slot < 16 ? g_slots[slot].decode : nullptr;
}

void ReleaseBitmapDecoders() {
    for (DecoderSlot& s : g_slots) {
        if (s.module) FreeLibrary(s.module);
        s = DecoderSlot();
    }
}

#include "BitmapDecoders.h"

#include <cstring>
#include <string>

#include "FourCC.h"
#include "ImageRecord.h"
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

int DecodeBitmapPixels(void* dstPixels, uint32_t dstBytes, const void* src) {
    if (!dstPixels || !src) {
        Errors().Set(ErrNullArgument);
        return 0;
    }
    quor::ImageHeader h;
    std::memcpy(&h, src, sizeof h);
    if (h.type != quor::kBmapType || h.slot == 0) return 0;
    // The whole slot word counts: 16 or more names no slot rather than a lower one.
    DecoderDecodeEntry decode = BitmapDecoderEntry(h.slot);
    if (!decode) {
        Errors().Set(ErrBadDecoderSlot, int32_t(h.slot));
        return 0;
    }
    // The destination must hold every decoded pixel before a decoder writes into it.
    quor::ImageHeader raw = h;
    raw.kind = quor::kFormatCode15;
    if (dstBytes < quor::RawPixelBytes(raw)) return 0;
    return decode(dstPixels, src, dstBytes, h.pixelBytes) ? 1 : 0;
}

int DecodeBitmap(const void* src, void* dst) {
    if (!src || !dst) {
        Errors().Set(ErrNullArgument);
        return 0;
    }
    quor::ImageHeader s, d;
    std::memcpy(&s, src, sizeof s);
    std::memcpy(&d, dst, sizeof d);
    if (s.width != d.width || s.height != d.height || quor::BytesPerPixel(d.kind) != 2) return 0;
    if (d.pixelBytes < quor::RawPixelBytes(d)) return 0;
    return DecodeBitmapPixels(static_cast<uint8_t*>(dst) + sizeof(quor::ImageHeader), d.pixelBytes, src);
}

#include "BitmapDecoders.h"

#include <cstring>

#include "FourCC.h"
#include "ImageRecord.h"
#include "LibraryContext.h"

namespace {
// Never destroyed: the frame thread and the loader threads decode pictures up to the end
// of the process; unloading frees the libraries (ReleaseBitmapDecoders).
DecoderRegistry& Registry() {
    static auto* registry = new DecoderRegistry(FourCC("BMAP"), DecoderRegistry::SameName::Accepted);
    return *registry;
}
}  // namespace

int RegisterBitmapDecoder(uint32_t slot, const char* library) { return Registry().Register(slot, library); }

DecoderDecodeEntry BitmapDecoderEntry(uint32_t slot) { return Registry().Entry(slot); }

void ReleaseBitmapDecoders() { Registry().Release(); }

QUORERRS DecodeBitmapInto(void* dstPixels, uint64_t dstBytes, const void* src) {
    if (!dstPixels || !src) return ErrNullArgument;
    quor::ImageHeader h;
    std::memcpy(&h, src, sizeof h);
    if (h.type != quor::kBmapType || h.slot == 0 || h.kind == quor::KindLevelMask) return ErrWrongKind;
    // The whole slot word counts: 16 or more names no slot rather than a lower one.
    DecoderDecodeEntry decode = BitmapDecoderEntry(h.slot);
    if (!decode) return ErrBadDecoderSlot;
    // The destination must hold every decoded pixel before a decoder writes into it; the
    // decoder is told the room it has, never more than a u32 can say.
    quor::ImageHeader raw = h;
    raw.kind = quor::kFormatCode15;
    if (dstBytes < quor::RawPixelBytes(raw)) return ErrBufferTooSmall;
    const uint32_t room = dstBytes > 0xFFFFFFFFu ? 0xFFFFFFFFu : uint32_t(dstBytes);
    return decode(dstPixels, src, room, h.pixelBytes) ? QuorOk : ErrReadFailed;
}

int DecodeBitmapPixels(void* dstPixels, uint32_t dstBytes, const void* src) {
    const QUORERRS result = DecodeBitmapInto(dstPixels, dstBytes, src);
    if (result == ErrNullArgument) Errors().Set(ErrNullArgument);
    if (result == ErrBadDecoderSlot) Errors().Set(ErrBadDecoderSlot, int32_t(quor::HeaderOf(src)->slot));
    return result == QuorOk ? 1 : 0;
}

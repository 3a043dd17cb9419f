#include "DecoderRegistry.h"

#include "LibraryContext.h"

int DecoderRegistry::Register(uint32_t slot, const char* library) {
    ErrorState& errors = Errors();
    slot &= 0xFF;
    if (slot >= kSlots) {
        errors.Set(ErrBadDecoderSlot, int32_t(slot));
        return 0;
    }
    if (!library) {
        errors.Set(ErrNullArgument);
        return 0;
    }
    Slot& s = slots_[slot];
    if (s.module) {
        if (sameName_ == SameName::Accepted && s.name == library) return 1;
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
    if (!getType || !decode || getType() != kind_) {
        FreeLibrary(module);
        errors.Set(ErrWrongPluginType);
        return 0;
    }
    s.module = module;
    s.decode = decode;
    s.name = library;
    return 1;
}

void DecoderRegistry::Release() {
    for (Slot& s : slots_) {
        if (s.module) FreeLibrary(s.module);
        s = Slot();
    }
}

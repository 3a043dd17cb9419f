#include "DecoratedExport.h"
#include "DecoderRegistry.h"

#include "LibraryContext.h"

int DecoderRegistry::Register(uint32_t slot, const char* library) {
    ErrorState& errors = Errors();
    slot &= 0xFF;
    if (slot >= kSlots) errors.Raise(ErrBadDecoderSlot, int32_t(slot));
    if (!library) errors.Raise(ErrNullArgument);
    Slot& s = slots_[slot];
    if (s.module) {
        if (sameName_ == SameName::Accepted && s.name == library) return 1;
        errors.Raise(ErrDecoderSlotTaken, int32_t(slot));
    }
    HMODULE module = LoadLibraryA(library);
    if (!module) errors.Raise(ErrLoadLibraryFailed);
    auto getType = reinterpret_cast<DecoderTypeEntry>(GetDecoratedProc(module, "_getType@0"));
    auto decode = reinterpret_cast<DecoderDecodeEntry>(GetDecoratedProc(module, "_decode@16"));
    if (!getType || !decode || getType() != kind_) {
        FreeLibrary(module);
        errors.Raise(ErrWrongPluginType);
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

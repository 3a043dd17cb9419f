// Sixteen slots of decoder plug-ins of one kind: the image decoders that BMAP pictures
// name and the DISK decoders that compressed assets name. Both kinds of library export
// _getType@0 (their kind as a four-letter code) and _decode@16 with the same arguments.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

typedef uint32_t(__stdcall* DecoderTypeEntry)();
typedef int(__stdcall* DecoderDecodeEntry)(void* dst, const void* src, uint32_t dstBytes,
                                           uint32_t srcBytes);

class DecoderRegistry {
public:
    static const uint32_t kSlots = 16;
    // What registering a library in a slot that holds one of the same name does.
    enum class SameName { Accepted, Taken };

    DecoderRegistry(uint32_t kind, SameName sameName) : kind_(kind), sameName_(sameName) {}
    DecoderRegistry(const DecoderRegistry&) = delete;
    DecoderRegistry& operator=(const DecoderRegistry&) = delete;

    // Slot = the low byte of `slot`. Returns 1, or raises: ErrBadDecoderSlot (slot 16 or
    // more), ErrDecoderSlotTaken, ErrLoadLibraryFailed, ErrWrongPluginType (not this kind).
    int Register(uint32_t slot, const char* library);
    // The decode entry of a slot, or null when the slot is empty or out of range.
    DecoderDecodeEntry Entry(uint32_t slot) const { return slot < kSlots ? slots_[slot].decode : nullptr; }
    // Frees every library; the slots are empty afterwards.
    void Release();

private:
    struct Slot {
        HMODULE module = nullptr;
        DecoderDecodeEntry decode = nullptr;
        std::string name;
    };
    uint32_t kind_;
    SameName sameName_;
    Slot slots_[kSlots];
};

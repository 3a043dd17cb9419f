// The engine's service table: pixel routines for the host, reached by number through
// GetServiceAddress, that draw into engine surfaces with the same blitter as the engine.
#pragma once
#include <cstdint>

const int kServiceCount = 12;

// The address of service `number` (0-11), null for any other number.
void* ServiceAddress(int32_t number);

// Blit service flag bits.
enum BlitServiceFlags : uint32_t {
    BlitMirrorH = 1,
    BlitMirrorV = 2,
    BlitSkipKey = 4,
    BlitScale = 8,
};

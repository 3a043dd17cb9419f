// What a reel is made from, and the record with which its machine aims it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

class ReelOwner;
class SpriteParent;

// One stop of a reel's strip: the symbol (its sequence in the strip sprite asset) and its
// weight in the random stop draw.
struct ReelStop {
    uint32_t symbol = 0;
    uint32_t weight = 0;
};

struct ReelSetup {
    RECT window = {};  // the reel's window on the machine's art
    std::vector<ReelStop> strip;
    int32_t symbolWidth = 0, symbolHeight = 0;
    int32_t reelNumber = 0;  // 0-based
    ReelOwner* owner = nullptr;
    const SpriteParent* parent = nullptr;  // the stage or camera the sprites are made on
    uint32_t stripAsset = 0;               // SPRT asset with one sequence per symbol
    int32_t innerDensity = 0, outerDensity = 0;  // shadow levels; either 0: no shadows
};

// Where a spin ends: the reel reads the target position, target stop and reverse flag,
// and writes its position into the current position.
struct ReelTarget {
    uint32_t totalWeight = 0;
    int32_t currentPosition = 0;
    int32_t startPosition = 0;
    int32_t targetPosition = 0;  // pixels
    int32_t targetStop = 0;      // index into the strip
    uint8_t reverse = 0;
};

// Image sprites that play an SPRT asset, and the speed of their sequences.
#pragma once
#include <cstdint>

// A movable image sprite of the asset on the stage, at the stage's origin, showing the
// first frame of its first sequence; 0 when the engine could not make it.
int32_t CreateAnimationSprite(int32_t stage, uint32_t asset);

// Scales every frame duration of one sequence of the sprite's SPRT data by
// numerator / denominator (truncating; a result below 2 becomes 1). The data is shared by
// every sprite of the asset. Answers the sequence's frame count; 0 when nothing changed.
int32_t SetAnimationSpeed(int32_t sprite, int32_t numerator, int32_t denominator, uint32_t sequence);

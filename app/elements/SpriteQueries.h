// Reading and changing a held sprite through what the engine reports of it: the sequences
// and frames of an image sprite's SPRT data, its current picture, the speed of a sequence,
// and the text of a text sprite. Every query gives 0 when the sprite cannot be examined.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "SpriteHandle.h"

uint32_t GetSpriteSequenceCount(const SpriteHandle& holder);
uint32_t GetSpriteFrameCount(const SpriteHandle& holder, uint32_t sequence);
uint32_t GetSpriteSequence(const SpriteHandle& holder);
uint32_t GetSpriteFrame(const SpriteHandle& holder);
// The image record of the picture the sprite shows now.
const void* GetSpriteImage(const SpriteHandle& holder);

// Every frame of the sequence holds numerator/denominator times as long (at least one
// engine frame). The SPRT data is shared: every sprite of the same asset changes with it.
// Returns the sequence's frame count; 0 when nothing changed.
int32_t SetAnimationSpeed(const SpriteHandle& holder, int32_t numerator, int32_t denominator, uint32_t sequence);

// Places the held sprite at the point (narrowed to 16 bits) with the depth word.
void PlaceHeldSprite(const SpriteHandle& holder, POINT point, int32_t depth);
// The sprite's bounds as the engine reports them; an empty rectangle when it cannot say.
RECT HeldSpriteBounds(const SpriteHandle& holder);

// Draws the text sprite again with the text and the holder's own font copy (the sprite
// keeps its font when the holder has none). A text holder keeps a copy of the text.
void SetTextSpriteText(SpriteHandle& holder, const char* text);
void SetTextSpriteString(SpriteHandle& holder, const std::string& text);

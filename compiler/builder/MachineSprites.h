// Building the sprites of a machine file from the picture references of its script. Each
// operation returns the sprite's number in the builder's sprite list, or -1 when the
// reference has no pictures.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "AnimationReference.h"
#include "ReelStrip.h"

class AssetBuilder;

// Animation name -> sprite number.
typedef std::map<std::string, int32_t> SpriteMap;

// An Animation's own sprite, a library sprite, or a sprite of the reference's pictures.
int32_t AddElementSprite(AssetBuilder& builder, const SpriteMap& animations, const AnimationReference& ref);
// A library reference's SPRT asset as a new sprite.
int32_t AddLibrarySprite(AssetBuilder& builder, const AnimationReference& ref);
// One sequence per sequence of the reference, one frame per file, held one frame each:
// keyed by the colour of each picture's key pixel, or with no colour key.
int32_t AddKeyedSprite(AssetBuilder& builder, const AnimationReference& ref);
int32_t AddPlainSprite(AssetBuilder& builder, const AnimationReference& ref);
// The sprite of a definition with its own pictures: library, keyed or plain.
int32_t AddPictureSprite(AssetBuilder& builder, const AnimationReference& ref);
// One sprite for every reel symbol, in symbol-number order: a library symbol brings the
// sequences of its SPRT asset, any other one sequence of its files keyed on white.
int32_t AddSymbolSprite(AssetBuilder& builder, const std::vector<ReelSymbol>& symbols);

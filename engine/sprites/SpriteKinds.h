// The six sprite kinds: image sprites (props and actors) that show frames of an SPRT asset,
// text sprites and owner-draw sprites, each in a fixed and a movable form.
#pragma once
#include <cstdint>

#include "ImageSprite.h"
#include "OwnerDrawSprite.h"
#include "TextSprite.h"

// The sprite of the record's type (0-11); raises on failure.
Sprite* NewSpriteOfKind(int32_t handle, const SpriteCreateRecord& record);

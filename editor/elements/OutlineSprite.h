// The picture of an element that is drawn as an outline over the backdrop: an owner-draw
// sprite the size of the element's rectangle, a level mask under the shared inverting
// effect (InvertingEffect.h), clear inside, with the outline (a rectangle, or a polygon
// given by points relative to the rectangle) drawn with a pen of the colour: the backdrop
// shows inverted along it. Marks drawn later into its surface with any colour but white
// invert the backdrop too.
#pragma once
#include <windows.h>

#include <vector>

#include "ElementGeometry.h"
#include "SpriteHandle.h"

class SpriteParent;

const int32_t kOutlineDepth = 120;

// (Re)creates the sprite in the holder; false when the engine made none.
bool DrawOutlineSprite(const SpriteParent& parent, OwnerDrawSpriteHandle& holder, const ElementRect& rect,
                       const std::vector<POINT>& polygon, COLORREF colour);

// The pictures of elements that show an animation on the Graphics page: the first frame
// of the animation set, drawn into an owner-draw sprite, or a short text in its place
// when the set has no picture.
#pragma once
#include <windows.h>

#include <string>

#include "ElementGeometry.h"
#include "SpriteHandle.h"

class AnimationSet;
class Bitmap;
class SpriteParent;

// One frame of a set as the elements draw it.
struct FramePicture {
    const Bitmap* image = nullptr;  // null: the set has no such frame or it has no picture
    int32_t width = 0, height = 0;  // of what is shown
    int32_t border = 0;             // pixels left out round the picture (0 or 1)
};

// The frame at the position (counted through the first sequence); an empty picture when
// there is no set or no such frame.
FramePicture FrameOf(const AnimationSet* set, size_t frame);

// Pictures read from plain image files keep their key colour in a one-pixel border. A
// transparent animation whose frames all come from image files is shown without that
// border: the picture as shown then, else the picture as it is.
FramePicture WithoutKeyBorder(const AnimationSet* set, const FramePicture& picture, bool transparent);

// The rectangle made smaller by the border on every side.
ElementRect InsetBy(const ElementRect& rect, int32_t border);

// The colour that the sprite leaves out: the picture's key pixel for a transparent
// animation, else a colour that pictures do not use.
COLORREF SpriteKeyFor(const FramePicture& picture, bool transparent);

// (Re)creates the sprite in the holder over the rectangle and copies the picture into it,
// or writes the text at its top-left corner when there is no picture. False when the
// engine made no sprite.
bool DrawFrameSprite(const SpriteParent& parent, OwnerDrawSpriteHandle& holder, const ElementRect& rect,
                     const FramePicture& picture, COLORREF key, const std::string& text);

// The stand-in of a picture that is not there yet: the text in orange-red at the top-left
// corner, framed by two green outlines, the second one pixel inside the first; the rest
// is left out (the key colour). False when the engine made no sprite.
bool DrawPlaceholderSprite(const SpriteParent& parent, OwnerDrawSpriteHandle& holder, const ElementRect& rect,
                           const std::string& text);
const COLORREF kPlaceholderFrameColour = 0x0000FF00;
const COLORREF kPlaceholderTextColour = 0x00002BFF;

// Where the pictures of buttons, indicators, the coin and the arm stand: an animation is
// placed by its hot spot, so its picture starts left of and above the point the script
// gives by the hot spot's shift. The script keeps the hot-spot point; the editor shows
// the picture. Also the digit counts an indicator may have.
#pragma once
#include <cstdint>

#include "ElementGeometry.h"

// Hot-spot modes of an animation, per axis.
enum HotSpotMode : int32_t { kHotSpotCentre = 0, kHotSpotLeading = 1, kHotSpotTrailing = 2 };

// How far a picture of the size starts from its hot-spot point on one axis: centre
// -(size / 2), left or top 0, right or bottom 1 - size.
int32_t HotSpotShift(int32_t mode, int32_t size);

// The picture's rectangle for a hot-spot point.
ElementRect PictureRect(Point hotSpot, int32_t width, int32_t height, int32_t horizontal, int32_t vertical);

// The hot-spot point of a picture shown at the rectangle (the inverse of PictureRect).
Point HotSpotOf(const ElementRect& picture, int32_t horizontal, int32_t vertical);

// The play side draws one to ten digit cells (ten digits hold every count of coins).
const int32_t kFewestDigits = 1;
const int32_t kMostDigits = 10;
int32_t ClampDigits(int32_t digits);

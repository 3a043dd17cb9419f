// The effect that the reel areas and the polygon regions on the Graphics page share: their
// outlines are drawn as level masks, and where a mask's level is not 0 the backdrop under
// it shows with every colour channel inverted, so an outline stands out on any backdrop.
// Made on first use; the program's end lets it go.
#pragma once
#include "Quor2_5.h"

HQUOREFFECT SharedInvertingEffect();

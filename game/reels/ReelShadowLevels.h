// The darkness of each row of a reel's top and bottom shadow: darkest (the outer density)
// at the window's edge, the inner density a sixth of the window in, clear at a third;
// odd rows are 4 darker than the straight line between.
#pragma once
#include <cstdint>
#include <vector>

// One level per row of a shadow a third of the window high (its low 8 bits are drawn).
std::vector<int32_t> TopShadowLevels(int32_t windowHeight, int32_t innerDensity, int32_t outerDensity);
std::vector<int32_t> BottomShadowLevels(int32_t windowHeight, int32_t innerDensity, int32_t outerDensity);

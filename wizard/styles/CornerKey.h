// The colour that an arm or button picture leaves out when it is drawn on the body: the
// top-left pixel's when the top-right one matches it; else the bottom-left pixel's when it
// matches either top corner; else the bottom-right pixel's.
#pragma once
#include <cstdint>

inline uint32_t CornerKey(uint32_t topLeft, uint32_t topRight, uint32_t bottomLeft, uint32_t bottomRight)
{
    if (topLeft == topRight)
        return topLeft;
    if (bottomLeft == topLeft || bottomLeft == topRight)
        return bottomLeft;
    return bottomRight;
}

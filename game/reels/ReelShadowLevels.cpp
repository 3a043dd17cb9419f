#include "ReelShadowLevels.h"

namespace {

// c at row a, d at row b, on a straight line; odd rows 4 more.
int32_t Level(int32_t i, int32_t a, int32_t b, int32_t c, int32_t d) {
    return c + ((i - a) * (d - c)) / (b - a) + ((i & 1) ? 4 : 0);
}

std::vector<int32_t> Levels(int32_t windowHeight, int32_t edge, int32_t inner, int32_t middle, bool top) {
    const int32_t third = windowHeight / 3, sixth = windowHeight / 6;
    std::vector<int32_t> rows;
    for (int32_t i = 0; i < third; ++i) {
        if (i < sixth) rows.push_back(top ? Level(i, 0, sixth, edge, inner) : Level(i, 0, sixth, middle, inner));
        else rows.push_back(top ? Level(i, sixth, third, inner, middle) : Level(i, sixth, third, inner, edge));
    }
    return rows;
}

}  // namespace

std::vector<int32_t> TopShadowLevels(int32_t windowHeight, int32_t innerDensity, int32_t outerDensity) {
    return Levels(windowHeight, outerDensity, innerDensity, 0, true);
}

std::vector<int32_t> BottomShadowLevels(int32_t windowHeight, int32_t innerDensity, int32_t outerDensity) {
    return Levels(windowHeight, outerDensity, innerDensity, 0, false);
}

#include "LobbyProjection.h"

#include <cmath>

namespace {
const double kViewCentre = 400.0;
}

int32_t WrapColumn(int64_t x, int32_t width) {
    if (width <= 0) return 0;
    const int64_t r = x % width;
    return int32_t(r < 0 ? r + width : r);
}

LobbyPoint LobbyProjection::ToView(LobbyPoint p) const {
    const int32_t x = WrapColumn(int64_t(p.x) - scrollX + width, width);
    const double y = (p.y - horizon) / std::cos((x - kViewCentre) / radius) + horizon;
    return LobbyPoint{x, int32_t(std::lround(y))};
}

LobbyPoint LobbyProjection::ToPanorama(LobbyPoint v) const {
    const int32_t x = WrapColumn(int64_t(scrollX) + v.x, width);
    const double y = std::cos((v.x - kViewCentre) / radius) * (v.y - horizon) + horizon;
    return LobbyPoint{x, int32_t(std::lround(y))};
}

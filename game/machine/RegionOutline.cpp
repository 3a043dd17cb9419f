#include "RegionOutline.h"

#include <algorithm>
#include <cstring>

int32_t RegionOutline::Bottom() const {
    int64_t bottom = origin.y;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const int64_t y = int64_t(origin.y) + nodes[i].y;
        bottom = i == 0 ? y : std::max(bottom, y);
    }
    return int32_t(std::min<int64_t>(bottom, INT32_MAX));
}

bool RegionOutline::WithinRange() const {
    auto fits = [](int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; };
    for (const Point& node : nodes)
        if (!fits(int64_t(origin.x) + node.x) || !fits(int64_t(origin.y) + node.y)) return false;
    return true;
}

bool ReadRegionOutline(const void* data, size_t bytes, RegionOutline& outline) {
    const size_t words = bytes / 4;
    if (words < 6) return false;
    std::vector<uint32_t> w(words);
    std::memcpy(w.data(), data, words * 4);
    const uint32_t count = w[4];
    if (count > (words - 6) / 2) return false;
    outline.origin = Point{int32_t(w[0]), int32_t(w[1])};
    outline.nodes.resize(count);
    for (uint32_t i = 0; i < count; ++i) outline.nodes[i] = Point{int32_t(w[6 + 2 * i]), int32_t(w[7 + 2 * i])};
    return true;
}

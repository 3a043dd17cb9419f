#include "BodyParts.h"

#include <string>

namespace {

const int32_t kWindowSide = 12, kWindowEdge = 10;   // the window's frame around the reels
const int32_t kMarkerGap = 2, kMarkerLength = 13, kMarkerHalf = 7;
const int32_t kLightSize = 24, kLightStep = 32, kSocketRim = 3;
const int32_t kLightsGap = 5;  // between the sockets and the markers

}  // namespace

bool Overlaps(const PartBox& a, const PartBox& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Holds(const PartBox& outer, const PartBox& inner)
{
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

PartBox ReelWindowBox(const std::vector<ReelPlacement>& reels)
{
    if (reels.empty())
        return PartBox{};
    const ReelPlacement& first = reels.front();
    const ReelPlacement& last = reels.back();
    return PartBox{first.left - kWindowSide, first.top - kWindowEdge, last.left + last.width + kWindowSide,
                   first.top + first.height + kWindowEdge};
}

std::vector<int32_t> PayLineRows(const PartBox& window, int lines)
{
    const int32_t middle = (window.top + window.bottom) / 2, step = (window.bottom - window.top) / 3;
    std::vector<int32_t> rows = {middle};
    if (lines >= 3) {
        rows.push_back(middle - step);
        rows.push_back(middle + step);
    }
    return rows;
}

std::vector<PartBox> LineMarkerBoxes(const PartBox& window, int lines)
{
    std::vector<PartBox> markers;
    for (int32_t row : PayLineRows(window, lines)) {
        markers.push_back(PartBox{window.left - kMarkerGap - kMarkerLength, row - kMarkerHalf,
                                  window.left - kMarkerGap + 1, row + kMarkerHalf + 1});
        markers.push_back(PartBox{window.right + kMarkerGap - 1, row - kMarkerHalf,
                                  window.right + kMarkerGap + kMarkerLength, row + kMarkerHalf + 1});
    }
    return markers;
}

PartBox PaylineLampBox(const PartBox& window)
{
    const PartBox marker = LineMarkerBoxes(window, 1).front();
    const int32_t row = PayLineRows(window, 1).front();
    return PartBox{marker.right - kPaylineLampSize, row - kPaylineLampSize / 2, marker.right,
                   row + kPaylineLampSize / 2};
}

std::vector<CoinLight> CoinLightsBeside(const PartBox& window, int lines)
{
    std::vector<CoinLight> lights;
    if (lines == 1)
        return lights;
    const int32_t right = LineMarkerBoxes(window, 1).front().left - kLightsGap - kSocketRim;
    for (int i = 0; i < lines; ++i) {
        const int32_t top = window.top + kWindowEdge + i * kLightStep;
        lights.push_back({"ICoin" + std::to_string(i + 1), right - kLightSize, top, right, top + kLightSize});
    }
    return lights;
}

PartBox CoinLightSocket(const CoinLight& light)
{
    return PartBox{light.left - kSocketRim, light.top - kSocketRim, light.right + kSocketRim,
                   light.bottom + kSocketRim};
}

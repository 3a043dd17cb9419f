// Where the parts of a wizard machine's body stand on its picture (720 x 720): the award
// card's panel, the reel window with its pay-line markers, the coin-light sockets, the
// meters, the coin acceptor, the arm's housing, the buttons' panel and the marquee. The
// content generator draws the bodies by these boxes and the layouts' Art texts place
// their indicators and regions by them, so that no two parts cover each other.
#pragma once
#include <cstdint>
#include <vector>

#include "StyleTables.h"

// A box on the body: left and top inside, right and bottom just outside.
struct PartBox {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

bool Overlaps(const PartBox& a, const PartBox& b);
bool Holds(const PartBox& outer, const PartBox& inner);

constexpr int32_t kBodyPictureSize = 720;
constexpr int32_t kBodyTrim = 8;  // the frame around the body's edge
constexpr PartBox kAwardPanel{28, 28, 492, 382};
constexpr PartBox kMeterPanel{108, 640, 462, 700};
constexpr PartBox kCoinAcceptor{578, 430, 694, 600};
constexpr PartBox kArmHousing{500, 180, 566, 580};
constexpr PartBox kButtonPanel{598, 96, 710, 392};
constexpr PartBox kMarquee{480, 610, 710, 700};

// The pictures that stand on the body: an arm's frames and a button's pictures.
constexpr int32_t kArmWidth = 48, kArmHeight = 180;
constexpr int32_t kButtonWidth = 96, kButtonHeight = 60;
constexpr int32_t kPaylineLampSize = 20;  // the one-line layouts' lamp over their marker

// The frame around the reels.
PartBox ReelWindowBox(const std::vector<ReelPlacement>& reels);
// The pay lines' rows across the reel window: the middle one first, then the top and the
// bottom one.
std::vector<int32_t> PayLineRows(const PartBox& window, int lines);
// The markers at either end of each pay line: left then right, line by line.
std::vector<PartBox> LineMarkerBoxes(const PartBox& window, int lines);
// The lamp of a one-line layout, over the left end of its line.
PartBox PaylineLampBox(const PartBox& window);
// The coin lights stand in a column left of the reel window's markers.
std::vector<CoinLight> CoinLightsBeside(const PartBox& window, int lines);
// The socket the body draws around a coin light.
PartBox CoinLightSocket(const CoinLight& light);

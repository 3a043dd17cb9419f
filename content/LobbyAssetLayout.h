// Where each asset of "lobbyAssets.ast" sits. The splash screen takes asset 2 as its
// backdrop; the lobby's panorama (a sprite of 40 strips, each of 100 columns stored turned
// a quarter turn), its highlight sprite (one frame per machine) and its scroll control
// sprite (five frames) take the numbers after it, with their frame pictures before each.
#pragma once
#include <cstdint>

namespace content {

const uint32_t kSplashPicture = 1;
const uint32_t kSplashBackdrop = 2;
const uint32_t kPanoramaFirstStrip = 3;
const uint32_t kPanoramaStrips = 40;
const uint32_t kPanoramaSprite = 43;
const uint32_t kHighlightFirstFrame = 44;
const uint32_t kHighlightFrames = 21;
const uint32_t kHighlightSprite = 65;
const uint32_t kScrollFirstFrame = 66;
const uint32_t kScrollFrames = 5;
const uint32_t kScrollSprite = 71;

static_assert(kPanoramaFirstStrip + kPanoramaStrips == kPanoramaSprite, "strips precede the panorama");
static_assert(kHighlightFirstFrame + kHighlightFrames == kHighlightSprite, "frames precede the highlight");
static_assert(kScrollFirstFrame + kScrollFrames == kScrollSprite, "frames precede the scroll control");

// The splash picture fills the main view.
const int32_t kSplashWidth = 794;
const int32_t kSplashHeight = 556;

}  // namespace content

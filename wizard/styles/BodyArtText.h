// The Art text of a machine body's layout: reel positions, the coin acceptor's regions,
// the coin, the denomination display, the LED meters and the pay lights, placed on the
// body picture. "$artpath" stands for the clip-art folder, "$coinsound" for the coin's
// sound clause (a line of its own, or nothing).
#pragma once
#include <string>
#include <vector>

#include "StyleTables.h"

std::string BodyArtText(const std::vector<ReelPlacement>& reels,
                        const std::vector<CoinLight>& coinLights);

// The files under "$artpath" that every Art text names.
std::vector<std::string> BodyArtFiles();

// The reel strips of a machine script and the reel symbols they name.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One stop of a reel strip: the symbol and its weight (1 when the script gives none).
struct StripEntry {
    std::string symbol;
    int32_t weight = 1;

    bool operator==(const StripEntry& o) const { return symbol == o.symbol && weight == o.weight; }
};

using ReelStrip = std::vector<StripEntry>;

// A reel symbol: the order in which the strips first name it, from 0, and its pictures
// (a list of files, or one asset file and the number of the picture in it).
struct ReelSymbol {
    int32_t index = 0;
    std::vector<std::string> files;
    int32_t assetNumber = 0;
};

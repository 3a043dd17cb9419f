// Hostile asset files for the engine: every picture kind, cut at every field boundary of
// its record, with sizes that wrap at 32 bits, bad counts, bad slots and random damage,
// each in a file that uses the picture in every place that takes one. The files are made
// from a fixed seed, so a case number names the same file in every run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace hostile {

// Assets of every generated file (1-based indices).
enum AssetIndex : uint32_t {
    kPicture = 1,        // the picture under test
    kStaticBackdrop = 2, // "BACK" kind 0 on the picture
    kRowOfStrips = 3,    // "BACK" kind 2: two columns, both the picture
    kColumnOfStrips = 4, // "BACK" kind 3: two rows, both the picture
    kSprite = 5,         // "SPRT": one sequence of one frame showing the picture
    kAssetCount = 5,
};

struct HostileFile {
    std::string name;
    std::vector<uint8_t> image;
};

// Every case, in a fixed order.
std::vector<HostileFile> HostileAssetFiles();

// The 16 header bytes of a picture asset's data (the record after its type word).
std::vector<uint8_t> PictureHeader(uint16_t kind, uint16_t slot, uint16_t width, uint16_t height,
                                   uint32_t pixelBytes);
// A file of the layout above around a picture asset's data.
std::vector<uint8_t> FileAround(const std::vector<uint8_t>& picture);

}  // namespace hostile

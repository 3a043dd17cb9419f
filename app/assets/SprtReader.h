// Reading the sequences and frames of an SPRT asset, as stored or after the engine has
// turned its offsets into addresses.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "AssetRecords.h"

// `data` is the asset from its type word, `size` bytes long; `address` is where the engine
// holds it, which is what every table word of fixed-up data holds beyond its offset. False
// when the type word is not "SPRT" or a table, sequence or frame lies outside the data.
bool ReadSprtSequences(const uint8_t* data, size_t size, uint32_t address, std::vector<SpriteSequence>& out);

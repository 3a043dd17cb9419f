// Reads a machine chunk (the words after its kind word) into MachineRecords. Machine files
// come from anywhere, so nothing in the chunk is trusted: every count, length and offset is
// checked against the words that are left, every symbol number against the symbol count,
// every indicator position against the indicator records, and every asset number against
// the number of assets in the file. A machine the game cannot play (no reels, no stops,
// symbols of no height, a reel whose weights are all 0, more than five pay lines, no bet,
// no denomination) is refused too. A refusal throws MachineFileError with the reason.
#pragma once
#include <cstddef>
#include <cstdint>

#include "MachineRecords.h"

// The most pay lines the game plays.
const int32_t kMostMachinePayLines = 5;

MachineRecords ReadMachineChunk(const uint32_t* words, size_t wordCount, uint32_t assetCount);

// Rows of symbols that a reel window of `windowHeight` pixels shows, and the stop that sits
// on its centre line at reel position 0.
int32_t VisibleReelRows(int32_t windowHeight, int32_t symbolHeight);
int32_t CentreStopOffset(int32_t windowHeight, int32_t symbolHeight, int32_t stopCount);

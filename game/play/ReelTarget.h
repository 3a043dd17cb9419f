// The record with which a machine aims one reel: positions in pixels along the strip.
#pragma once
#include <cstdint>

struct ReelTarget {
    uint32_t weightTotal = 0;  // the sum of the weights of the reel's stops
    int32_t current = 0;       // where the reel is
    int32_t start = 0;         // where the move starts
    int32_t target = 0;        // where it ends
    int32_t targetStop = 0;    // the stop it ends on
    bool reverse = false;      // the reel runs backwards
};

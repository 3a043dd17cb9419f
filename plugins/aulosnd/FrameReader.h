// Reads a sound frame after frame at the output's rate, as stereo 16-bit values. Rates
// differ by a factor of 2 or 4: a faster sound is averaged down, a slower one repeats
// each frame. CWV blocks are decoded one at a time as the reader reaches them.
#pragma once
#include <cstdint>
#include <vector>

#include "SoundImage.h"

namespace aulo {

class FrameReader {
public:
    FrameReader(SoundImage image, uint32_t outputRate);

    // Output frames in the whole sound.
    uint64_t GetLength() const { return length_; }
    // The next output frame; only valid for GetLength() calls.
    void Next(int32_t& left, int32_t& right);

private:
    void SourceFrame(uint32_t index, int32_t& left, int32_t& right);
    void LoadBlock(uint32_t index);

    SoundImage image_;
    uint32_t up_ = 1;    // output frames per source frame
    uint32_t down_ = 1;  // source frames per output frame
    uint64_t length_ = 0;
    uint32_t source_ = 0;  // next source frame
    uint32_t repeat_ = 0;  // output frames already made from the current source frame
    std::vector<int16_t> block_;
    uint32_t blockFirst_ = 0;
    const uint8_t* nextBlock_ = nullptr;
    uint32_t nextBlockFirst_ = 0;
};

}  // namespace aulo

#include "FrameReader.h"

#include <algorithm>
#include <utility>

#include "CwvFile.h"

namespace aulo {

FrameReader::FrameReader(SoundImage image, uint32_t outputRate) : image_(std::move(image)) {
    const uint32_t rate = image_.format.rate;
    if (rate > outputRate)
        down_ = rate / outputRate;
    else
        up_ = outputRate / rate;
    length_ = uint64_t(image_.format.frames) * up_ / down_;
    nextBlock_ = image_.samples;
}

void FrameReader::Next(int32_t& left, int32_t& right) {
    if (up_ > 1) {
        SourceFrame(source_, left, right);
        if (++repeat_ == up_) {
            repeat_ = 0;
            ++source_;
        }
        return;
    }
    int32_t sumLeft = 0, sumRight = 0;
    for (uint32_t i = 0; i < down_; ++i) {
        int32_t l, r;
        SourceFrame(source_++, l, r);
        sumLeft += l;
        sumRight += r;
    }
    left = sumLeft / int32_t(down_);
    right = sumRight / int32_t(down_);
}

void FrameReader::SourceFrame(uint32_t index, int32_t& left, int32_t& right) {
    const SoundFormat& f = image_.format;
    if (f.coding == Coding::Cwv) {
        if (block_.empty() || index < blockFirst_ || index >= blockFirst_ + f.blockFrames) LoadBlock(index);
        const int16_t* frame = &block_[size_t(index - blockFirst_) * f.channels];
        left = frame[0];
        right = frame[f.channels - 1];
        return;
    }
    const uint8_t* frame = image_.samples + size_t(index) * f.channels * (f.bits / 8);
    if (f.bits == 8) {
        left = (int32_t(frame[0]) - 128) * 256;
        right = (int32_t(frame[f.channels - 1]) - 128) * 256;
    } else {
        left = int16_t(ReadLE16(frame));
        right = int16_t(ReadLE16(frame + 2 * (f.channels - 1)));
    }
}

// Blocks are read in order, so the next block always follows the current one.
void FrameReader::LoadBlock(uint32_t index) {
    const SoundFormat& f = image_.format;
    while (index >= nextBlockFirst_ + f.blockFrames) {
        nextBlock_ += CwvBlockBytes(f, nextBlockFirst_);
        nextBlockFirst_ += f.blockFrames;
    }
    const uint32_t frames = std::min<uint32_t>(f.blockFrames, f.frames - nextBlockFirst_);
    block_.assign(size_t(f.blockFrames) * f.channels, 0);
    DecodeCwvBlock(f, nextBlock_, frames, block_.data());
    blockFirst_ = nextBlockFirst_;
    nextBlock_ += CwvBlockBytes(f, nextBlockFirst_);
    nextBlockFirst_ += f.blockFrames;
}

}  // namespace aulo

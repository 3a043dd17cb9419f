// An AVI file of uncompressed 32-bit frames, the kind the Windows multimedia player shows
// without any codec (Wine's player draws 24-bit frames garbled): the RIFF "AVI " form with its header list, one video stream, the
// "movi" list of "00db" chunks and the "idx1" index of key frames.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace content {

class AviWriter {
public:
    AviWriter(int32_t width, int32_t height, uint32_t framesPerSecond);

    // One frame of bottom-up rows of BGRX pixels.
    void AddFrame(const uint8_t* pixels);
    uint32_t FrameBytes() const { return rowBytes_ * uint32_t(height_); }
    uint32_t FrameCount() const { return uint32_t(frames_.size()); }

    std::vector<uint8_t> Image() const;
    bool Write(const std::string& path) const;

private:
    std::vector<uint8_t> HeaderList() const;

    int32_t width_;
    int32_t height_;
    uint32_t fps_;
    uint32_t rowBytes_;
    std::vector<std::vector<uint8_t>> frames_;
};

}  // namespace content

// CWV: the library's own compressed sound format, used for ".cwv" files and CWAV assets.
// Four bits per sample in the IMA ADPCM manner, in blocks that each restart the coder, so
// a block can be decoded without the ones before it.
//
// All integers little-endian.
//
//   offset  size  field
//   0       4     magic "CWV1"
//   4       4     size of the whole image in bytes, this header included
//   8       4     sample rate: 44100, 22050 or 11025
//   12      2     channels: 1 or 2
//   14      2     frames per block: 1 to 8192
//   16      4     frame count (at least 1)
//   20      ...   the blocks, ceil(frame count / frames per block) of them
//
// A block holds `n` frames (frames per block, fewer in the last block):
//   - per channel, in channel order, 4 bytes of coder state: the predictor (s16) and the
//     step index (u8, 0 to 88), then one byte that must be 0;
//   - then n x channels codes of 4 bits, frame after frame and within a frame channel after
//     channel, two to a byte, the first in the low nibble; an odd count leaves the last high
//     nibble 0. The block's code bytes are ceil(n x channels / 2).
// The image size must equal the header plus the sum of the block sizes exactly.
//
// A code c (bits: sign 8, magnitude 4-2-1) with step s = the step table at the index
// changes the predictor by (s/8 + (c&4 ? s : 0) + (c&2 ? s/2 : 0) + (c&1 ? s/4 : 0)),
// negated when the sign bit is set, clamped to 16 bits; the index moves by the index table
// entry of c and is clamped to 0..88. The decoded sample is the new predictor.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "SoundImage.h"

namespace aulo {

const size_t kCwvHeaderBytes = 20;
const uint16_t kCwvMaxBlockFrames = 8192;

// Bytes of the block that starts at frame `first` of a sound of this format.
size_t CwvBlockBytes(const SoundFormat& format, uint32_t first);

// Checks a CWV image of `size` bytes (the header's size must not exceed it).
bool ParseCwv(const uint8_t* data, size_t size, SoundImage& out);

// Decodes the frames of one block into interleaved 16-bit samples (frames x channels).
void DecodeCwvBlock(const SoundFormat& format, const uint8_t* block, uint32_t frames, int16_t* out);

// Codes interleaved 16-bit samples as a CWV image.
std::vector<uint8_t> EncodeCwv(const int16_t* samples, uint32_t frames, uint16_t channels, uint32_t rate,
                               uint16_t blockFrames = 1024);

}  // namespace aulo

// The run-length compressions of .bmp files: RLE8 for 8-bit and RLE4 for 4-bit palettised
// pictures. The runs are unpacked into the stored rows of the uncompressed picture (bottom
// row first, each row padded to whole 32-bit words); pixels the runs skip stay index 0.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

const uint32_t kBmpRle8 = 1;
const uint32_t kBmpRle4 = 2;

// Unpacks `size` bytes of runs of a picture `width` x `height` with `bitCount` (8 or 4)
// bits a pixel into `rows` (rowLength bytes a row). False, with the reason in `error`,
// when a run leaves the picture or the data ends inside a run.
bool UnpackBmpRuns(const uint8_t* data, size_t size, uint16_t bitCount, int32_t width, int32_t height,
                   uint32_t rowLength, std::vector<uint8_t>& rows, std::string& error);

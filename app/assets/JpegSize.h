// The picture size of JPEG data, from its start-of-frame marker.
#pragma once
#include <cstddef>
#include <cstdint>

// False when the data does not start as a JPEG file or ends before a start-of-frame
// marker.
bool GetJpegSize(const uint8_t* data, size_t size, uint16_t& width, uint16_t& height);

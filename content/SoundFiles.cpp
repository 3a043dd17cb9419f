#include "SoundFiles.h"

#include <cstdio>

#include "CwvFile.h"
#include "WavFile.h"

namespace content {

bool WriteBytes(const std::string& path, const void* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && written;
}

std::vector<uint8_t> WavImage(const SampleBuffer& buffer) {
    const std::vector<int16_t> pcm = ToPcm16(buffer);
    std::vector<uint8_t> image =
        aulo::MakeWavHeader(buffer.rate, 16, buffer.channels, uint32_t(pcm.size() * sizeof(int16_t)));
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(pcm.data());
    image.insert(image.end(), bytes, bytes + pcm.size() * sizeof(int16_t));
    return image;
}

bool WriteWavFile(const std::string& path, const SampleBuffer& buffer) {
    const std::vector<uint8_t> image = WavImage(buffer);
    return WriteBytes(path, image.data(), image.size());
}

bool WriteCwvFile(const std::string& path, const SampleBuffer& buffer) {
    const std::vector<int16_t> pcm = ToPcm16(buffer);
    const std::vector<uint8_t> image = aulo::EncodeCwv(pcm.data(), buffer.Frames(), buffer.channels, buffer.rate);
    return WriteBytes(path, image.data(), image.size());
}

}  // namespace content

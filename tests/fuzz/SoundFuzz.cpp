// The WAV and CWV header checks on raw bytes, and a sound they accept played through to
// its end by the frame reader at every output rate: the reader may touch nothing outside
// the image the checks passed.
#include <vector>

#include "FrameReader.h"
#include "FuzzTarget.h"
#include "SoundImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    aulo::SoundImage image;
    if (!aulo::ParseSound(data, size, image)) return 0;
    if (image.samples < data || image.samples + image.sampleBytes > data + size) __builtin_trap();
    for (uint32_t rate : {11025u, 22050u, 44100u}) {
        aulo::FrameReader reader(image, rate);
        // Longer sounds are played only in part: the checks are the same for every block.
        const uint64_t frames = reader.GetLength() < 200000 ? reader.GetLength() : 200000;
        int32_t left = 0, right = 0;
        for (uint64_t i = 0; i < frames; ++i) reader.Next(left, right);
    }
    return 0;
}

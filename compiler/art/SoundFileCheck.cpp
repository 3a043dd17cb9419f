#include "SoundFileCheck.h"

#include <fstream>

namespace {
const int64_t kMaxSoundBytes = 2000000;
}

int64_t FileSizeOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    return file ? int64_t(file.tellg()) : -1;
}

bool SoundFileSizeAccepted(int64_t bytes) { return bytes <= kMaxSoundBytes; }

std::string SoundTooBigText(const std::string& path)
{
    return "Vellmoor(tm) Slots can not use sound files longer than " + std::to_string(kMaxSoundBytes) +
           " bytes.  " + path + " is too long.";
}

std::string SoundRefusedText(const std::string& path)
{
    return "Vellmoor(tm) Slots can only play WAV files \nin PCM format at 44100 Hz, 22050 Hhz or 11025 Hz.  \n" +
           path + " is either not a valid Wav file or is not a supported format.";
}

#include "SoundFileCheck.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "SoundImage.h"

int64_t FileSizeOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    return file ? int64_t(file.tellg()) : -1;
}

bool SoundFileSizeAccepted(int64_t bytes) { return bytes <= kMaxSoundFileBytes; }

bool SoundLibraryPlays(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    aulo::SoundImage image;
    return aulo::ParseOwnedSound(std::move(bytes), image);
}

SoundFileVerdict CheckSoundFile(const std::string& path)
{
    if (!SoundFileSizeAccepted(FileSizeOf(path)))
        return SoundFileVerdict::TooBig;
    return SoundLibraryPlays(path) ? SoundFileVerdict::Playable : SoundFileVerdict::NotPlayable;
}

std::string SoundTooBigText(const std::string& path)
{
    return "Vellmoor(tm) Slots can not use sound files longer than " + std::to_string(kMaxSoundFileBytes) +
           " bytes.  " + path + " is too long.";
}

std::string SoundRefusedText(const std::string& path)
{
    return "Vellmoor(tm) Slots can only play WAV files \nin PCM format at 44100 Hz, 22050 Hhz or 11025 Hz.  \n" +
           path + " is either not a valid Wav file or is not a supported format.";
}

SoundFileRefusal RefusalOfSoundFile(const std::string& path)
{
    switch (CheckSoundFile(path)) {
    case SoundFileVerdict::TooBig: return {"Sound file too big", SoundTooBigText(path)};
    case SoundFileVerdict::NotPlayable: return {"Error loading sound file", SoundRefusedText(path)};
    default: return {};
    }
}

// What the game asks of a sound file that an author gives a machine, the same wherever one
// is chosen or built in: a sound that the sound library's own reader takes (WAV in PCM at
// 44100, 22050 or 11025 Hz, or CWV), and where one is chosen no more than 2000000 bytes.
// With the texts of the two refusals.
#pragma once
#include <cstdint>
#include <string>

// The file's size in bytes; -1 when it cannot be opened.
int64_t FileSizeOf(const std::string& path);

// Files up to this many bytes are taken.
const int64_t kMaxSoundFileBytes = 2000000;
bool SoundFileSizeAccepted(int64_t bytes);

// Whether the sound library's own reader takes the file's bytes as a sound it plays.
bool SoundLibraryPlays(const std::string& path);

enum class SoundFileVerdict { Playable, TooBig, NotPlayable };

// What the wizard and the Sounds page take: the size first, then SoundLibraryPlays.
SoundFileVerdict CheckSoundFile(const std::string& path);

std::string SoundTooBigText(const std::string& path);
std::string SoundRefusedText(const std::string& path);

// The caption and the text of the box that refuses the file; both empty when it plays.
struct SoundFileRefusal {
    std::string caption, text;
};
SoundFileRefusal RefusalOfSoundFile(const std::string& path);

// What the audio page checks of a sound file of the user's before trying it, and the
// texts of its two refusals.
#pragma once
#include <cstdint>
#include <string>

// The file's size in bytes; -1 when it cannot be opened.
int64_t FileSizeOf(const std::string& path);

// Files up to 2000000 bytes are taken.
bool SoundFileSizeAccepted(int64_t bytes);

std::string SoundTooBigText(const std::string& path);
std::string SoundRefusedText(const std::string& path);

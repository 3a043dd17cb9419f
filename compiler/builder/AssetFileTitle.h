// The title of a machine file, read straight from the file without the engine: the title
// field of its machine chunk, which is the file's last asset.
#pragma once
#include <string>

// The machine's title, or an empty text when the file cannot be read, is no asset file,
// or its last asset is no machine chunk. Nothing in the file is trusted: the asset count,
// the offsets and the title's terminator are all checked against the file.
std::string ReadAssetFileTitle(const std::string& path);

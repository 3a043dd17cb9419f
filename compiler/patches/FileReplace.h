// Writing a file as a whole: the bytes go to a new file beside it, which replaces the old
// one only when every byte was written and the file closed without an error.
#pragma once
#include <cstdio>
#include <string>

// Writes the bytes to an open file and closes it; an empty text on success, else what
// failed. The file is closed in every case.
std::string WriteAndClose(std::FILE* file, const std::string& bytes);

// Replaces the file at path with the bytes; an empty text on success, else what failed
// (the file at path is then as it was).
std::string ReplaceFileContents(const std::string& path, const std::string& bytes);

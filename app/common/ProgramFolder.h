// The folder the program runs in: its file's folder, lower-cased, without a trailing
// "debug\" or "release\" build folder.
#pragma once
#include <string>

// Empty when the path holds no separator (the current directory is then left alone).
std::string ProgramFolderFromPath(const std::string& programPath);

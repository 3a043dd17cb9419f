// Paths that the editor's pages write into a script are relative to the machine's folder:
// a chosen file below the folder loses the folder, one beside it gets "..\" per folder
// level climbed. Bytes are compared exactly (no case folding).
#pragma once
#include <string>

// The path relative to the base folder (with or without its trailing "\"); a path that
// shares no leading folder with the base comes back unchanged.
std::string MakeRelativePath(const std::string& base, const std::string& path);

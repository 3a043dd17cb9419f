// Whole files as bytes, for the editor's tests.
#pragma once
#include <fstream>
#include <sstream>
#include <string>

// Reads a whole file; "<missing>" when there is none.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

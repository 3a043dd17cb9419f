// The readers that open a file by name get the fuzz input through a scratch file of the
// process's own (parallel workers each have theirs), on the memory file system when there
// is one, rewritten for every input.
#pragma once
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string ScratchFolder() {
    if (const char* dir = std::getenv("VSL_FUZZ_SCRATCH")) return dir;
    return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}

// The path of this process's scratch file with the suffix.
inline std::string ScratchPath(const char* suffix) {
    static const std::string stem = ScratchFolder() + "/vsl-fuzz-" + std::to_string(getpid());
    return stem + suffix;
}

// Writes the bytes to this process's scratch file with the suffix and gives its path.
inline std::string WriteScratchFile(const uint8_t* data, size_t size, const char* suffix) {
    const std::string path = ScratchPath(suffix);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
    return path;
}

// Machine files for the machine tests: built by vslc from scripts of the tests' own, and
// hostile copies of them with the machine chunk (the file's last asset) changed in place.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "MachineFiles.h"
#include "VslcRun.h"

// Builds the script into `name` of the folder with vslc; the path of the machine file.
inline std::string BuildSlot(MachineFiles& files, const std::string& script, const std::string& name) {
    const std::string scriptPath = files.Script(script);
    const std::string out = files.Output(name);
    const ToolRun run = RunVslcTool("\"" + scriptPath + "\" \"" + out + "\"", files.Output("vslc.log"));
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    return out;
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return bytes;
}

// A machine file's bytes with access to its machine chunk: the asset-file header (magic,
// asset count, ...), the directory of {offset, info} pairs from byte 16, and at each
// asset's offset a header of kind, data size and stored size before the data.
class SlotBytes {
public:
    explicit SlotBytes(const std::string& path) : bytes(ReadBytes(path)) {}

    uint32_t Get(size_t at) const {
        uint32_t w = 0;
        std::memcpy(&w, &bytes.at(at + 3) - 3, 4);
        return w;
    }
    void Set(size_t at, uint32_t w) { std::memcpy(&bytes.at(at + 3) - 3, &w, 4); }

    uint32_t AssetCount() const { return Get(4); }
    // Byte offset of the machine chunk's asset header (the last asset).
    size_t ChunkHeader() const { return Get(16 + 8 * (AssetCount() - 1)); }
    uint32_t ChunkBytes() const { return Get(ChunkHeader() + 4); }
    // Byte offset of word n of the chunk's data (word 0 is the first title word).
    size_t Word(size_t n) const { return ChunkHeader() + 12 + 4 * n; }
    // Header word hN: after the 32 title words.
    size_t H(int n) const { return Word(size_t(32 + n)); }

    std::string Write(MachineFiles& files, const std::string& name) const {
        const std::string path = files.Output(name);
        if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        return path;
    }

    std::vector<uint8_t> bytes;
};

// Builds .bmp file images in memory for the tests, with every header field open to damage,
// and writes them to temporary files.
#pragma once
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BmpHeaders.h"

struct BmpLayout {
    int32_t width = 4;
    int32_t height = 2;  // negative: top row first
    uint16_t bitCount = 24;
    uint32_t compression = kBmpRgb;
    std::vector<uint32_t> masks;          // written after the header when not empty
    std::vector<ColourEntry> palette;     // written after the masks
    uint32_t coloursUsed = 0;
    std::vector<uint8_t> rows;            // the stored rows, as they lie in the file
};

inline std::vector<uint8_t> BmpBytes(const BmpLayout& s) {
    BmpInfoHeader h{};
    h.size = 40;
    h.width = s.width;
    h.height = s.height;
    h.planes = 1;
    h.bitCount = s.bitCount;
    h.compression = s.compression;
    h.imageSize = uint32_t(s.rows.size());
    h.coloursUsed = s.coloursUsed;
    BmpFileHeader f{};
    f.type = kBmpMagic;
    f.bitsOffset = uint32_t(14 + 40 + 4 * s.masks.size() + 4 * s.palette.size());
    f.size = f.bitsOffset + uint32_t(s.rows.size());
    std::vector<uint8_t> v(sizeof f + sizeof h);
    std::memcpy(v.data(), &f, sizeof f);
    std::memcpy(v.data() + sizeof f, &h, sizeof h);
    for (uint32_t m : s.masks) v.insert(v.end(), reinterpret_cast<uint8_t*>(&m), reinterpret_cast<uint8_t*>(&m) + 4);
    for (const ColourEntry& c : s.palette)
        v.insert(v.end(), reinterpret_cast<const uint8_t*>(&c), reinterpret_cast<const uint8_t*>(&c) + 4);
    v.insert(v.end(), s.rows.begin(), s.rows.end());
    return v;
}

// A 32-bit picture with the 124-byte version 5 header and its bit fields, as ImageMagick
// and other programs save them by default: one colour all over.
inline std::vector<uint8_t> Version5Bmp(int32_t width, int32_t height, uint32_t bgrx = 0x00336699) {
    const uint32_t headerBytes = 124, pixels = uint32_t(width * height) * 4;
    std::vector<uint8_t> header(headerBytes);
    auto put = [&header](size_t at, uint32_t v, int bytes) {
        for (int b = 0; b < bytes; ++b) header[at + size_t(b)] = uint8_t(v >> (8 * b));
    };
    put(0, headerBytes, 4), put(4, uint32_t(width), 4), put(8, uint32_t(height), 4), put(12, 1, 2), put(14, 32, 2);
    put(16, kBmpBitFields, 4), put(20, pixels, 4);
    put(40, 0x00FF0000, 4), put(44, 0x0000FF00, 4), put(48, 0x000000FF, 4), put(52, 0xFF000000, 4);
    put(56, 0x73524742, 4);  // "sRGB"
    BmpFileHeader f{};
    f.type = kBmpMagic;
    f.bitsOffset = 14 + headerBytes;
    f.size = f.bitsOffset + pixels;
    std::vector<uint8_t> v(f.size);
    std::memcpy(v.data(), &f, sizeof f);
    std::memcpy(v.data() + sizeof f, header.data(), headerBytes);
    for (size_t at = f.bitsOffset; at < v.size(); ++at) {
        const size_t b = (at - f.bitsOffset) % 4;
        v[at] = uint8_t(b == 3 ? 0xFF : bgrx >> (8 * b));
    }
    return v;
}

inline std::string TempFilePath(const std::string& stem) {
    static int counter = 0;
    const char* dir = std::getenv("TMP");
    if (!dir) dir = std::getenv("TEMP");
    std::string base = dir ? std::string(dir) + "/" : std::string("/tmp/");
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return base + "vsl_" + stem + "_" + std::to_string(ticks) + "_" + std::to_string(++counter);
}

inline std::string WriteTempFile(const std::vector<uint8_t>& bytes, const std::string& stem) {
    const std::string path = TempFilePath(stem);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

inline std::vector<uint8_t> ReadTempFile(const std::string& path) {
    std::vector<uint8_t> data;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) data.insert(data.end(), buf, buf + n);
        std::fclose(f);
    }
    return data;
}

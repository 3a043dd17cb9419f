// BMJPEG.DLL decodes a BMAP record that carries a whole JPEG file (pictures made by
// ImageMagick at build time) to pixels close to the source picture.
#include "DecoratedExport.h"
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ImageRecord.h"

namespace {

std::string Beside(const char* file) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of("\\/") + 1) + file;
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::vector<uint8_t> data;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return data;
    uint8_t buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.insert(data.end(), buf, buf + n);
    std::fclose(f);
    return data;
}

// A binary PPM ("P6 w h 255", then RGB bytes).
struct Ppm {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
};

Ppm ReadPpm(const std::string& path) {
    Ppm p;
    std::vector<uint8_t> d = ReadAll(path);
    std::string text(d.begin(), d.end());
    size_t pos = 0;
    std::vector<int> fields;
    if (text.compare(0, 2, "P6") != 0) return p;
    pos = 2;
    while (fields.size() < 3 && pos < text.size()) {
        while (pos < text.size() && std::isspace(uint8_t(text[pos]))) ++pos;
        if (text[pos] == '#') {
            pos = text.find('\n', pos);
            continue;
        }
        size_t end = pos;
        while (end < text.size() && std::isdigit(uint8_t(text[end]))) ++end;
        fields.push_back(std::atoi(text.substr(pos, end - pos).c_str()));
        pos = end;
    }
    ++pos;  // the one blank after the maximum value
    if (fields.size() < 3 || fields[2] != 255) return p;
    p.width = fields[0];
    p.height = fields[1];
    p.rgb.assign(d.begin() + long(pos), d.end());
    return p;
}

typedef int(__stdcall* DecodeEntry)(void*, const void*, uint32_t, uint32_t);

class Bmjpeg : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryA("BMJPEG.DLL");
        ASSERT_TRUE(module);
        auto getType = reinterpret_cast<uint32_t(__stdcall*)()>(GetDecoratedProc(module, "_getType@0"));
        ASSERT_TRUE(getType);
        EXPECT_EQ(getType(), 0x50414D42u);
        decode = reinterpret_cast<DecodeEntry>(GetDecoratedProc(module, "_decode@16"));
        ASSERT_TRUE(decode);
    }
    void TearDown() override { FreeLibrary(module); }

    static std::vector<uint8_t> RecordOf(const std::vector<uint8_t>& jpeg, int w, int h) {
        std::vector<uint8_t> r(20 + jpeg.size());
        quor::ImageHeader hd = {quor::kBmapType, 2, 2, uint16_t(w), uint16_t(h), 0, uint32_t(jpeg.size())};
        std::memcpy(r.data(), &hd, 20);
        std::memcpy(r.data() + 20, jpeg.data(), jpeg.size());
        return r;
    }

    HMODULE module = nullptr;
    DecodeEntry decode = nullptr;
};

TEST_F(Bmjpeg, DecodedPixelsAreCloseToTheSource) {
    for (const char* name : {"bmjpeg_ramp", "bmjpeg_sky"}) {
        const std::vector<uint8_t> jpeg = ReadAll(Beside((std::string(name) + ".jpg").c_str()));
        const Ppm src = ReadPpm(Beside((std::string(name) + ".ppm").c_str()));
        ASSERT_FALSE(jpeg.empty()) << name;
        ASSERT_GT(src.width, 0) << name;
        const std::vector<uint8_t> record = RecordOf(jpeg, src.width, src.height);
        const uint32_t row = quor::RowBytes(uint32_t(src.width), 2);
        std::vector<uint8_t> out(row * uint32_t(src.height) + 4, 0xEE);
        ASSERT_NE(decode(out.data(), record.data(), row * uint32_t(src.height), uint32_t(jpeg.size())), 0) << name;
        EXPECT_EQ(out.back(), 0xEE) << "nothing past the picture";
        double total = 0;
        int worst = 0;
        for (int y = 0; y < src.height; ++y) {
            for (int x = 0; x < src.width; ++x) {
                uint16_t p;
                std::memcpy(&p, &out[size_t(y) * row + size_t(x) * 2], 2);
                const uint8_t* s = &src.rgb[(size_t(y) * src.width + x) * 3];
                const int got[3] = {(p >> 10) & 31, (p >> 5) & 31, p & 31};
                for (int c = 0; c < 3; ++c) {
                    const int diff = std::abs(got[c] - (s[c] >> 3));
                    total += diff;
                    worst = std::max(worst, diff);
                }
            }
            if (src.width % 2) {
                uint16_t pad;
                std::memcpy(&pad, &out[size_t(y) * row + size_t(src.width) * 2], 2);
                EXPECT_EQ(pad, 0) << "row padding is cleared";
            }
        }
        EXPECT_LT(total / (src.width * src.height * 3), 0.75) << name;
        EXPECT_LE(worst, 4) << name;
    }
}

TEST_F(Bmjpeg, WrongSizesAndDamagedFilesAreRefused) {
    const std::vector<uint8_t> jpeg = ReadAll(Beside("bmjpeg_ramp.jpg"));
    ASSERT_FALSE(jpeg.empty());
    std::vector<uint8_t> out(48 * 2 * 40, 0);
    std::vector<uint8_t> record = RecordOf(jpeg, 47, 32);
    EXPECT_EQ(decode(out.data(), record.data(), uint32_t(out.size()), uint32_t(jpeg.size())), 0) << "width differs";
    record = RecordOf(jpeg, 48, 32);
    EXPECT_EQ(decode(out.data(), record.data(), 48 * 2 * 32 - 1, uint32_t(jpeg.size())), 0) << "no room";
    std::vector<uint8_t> junk(jpeg.size(), 0x42);
    record = RecordOf(junk, 48, 32);
    EXPECT_EQ(decode(out.data(), record.data(), uint32_t(out.size()), uint32_t(junk.size())), 0) << "not a JPEG";
    record = RecordOf(jpeg, 48, 32);
    EXPECT_EQ(decode(out.data(), record.data(), uint32_t(out.size()), 10), 0) << "header only";
}

}  // namespace

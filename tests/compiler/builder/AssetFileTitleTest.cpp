// The title of a machine file read straight from the file, and every kind of damaged or
// foreign file giving an empty title instead.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AssetContainer.h"
#include "AssetFileTitle.h"
#include "MachineChunk.h"
#include "ScriptFile.h"

namespace {

const uint32_t kOtherType = 0x45564157u;  // "WAVE"

std::string Container(const std::vector<AssetBody>& assets) {
    const std::string path = "title_test.tmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    WriteAssetContainer(f, assets);
    std::fclose(f);
    f = std::fopen(path.c_str(), "rb");
    std::string bytes;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
    std::fclose(f);
    std::remove(path.c_str());
    return bytes;
}

AssetBody Chunk(const std::string& title) {
    MachineChunk c;
    c.title = title;
    const std::vector<uint32_t> words = PackMachineChunk(c);
    AssetBody body{kMachineChunkType, std::vector<uint8_t>(words.size() * 4)};
    std::memcpy(body.data.data(), words.data(), body.data.size());
    return body;
}

std::string TitleOf(const std::string& bytes) {
    ScriptFile file(bytes);
    return ReadAssetFileTitle(file.Path());
}

void PutWord(std::string& bytes, size_t at, uint32_t w) {
    for (int k = 0; k < 4; ++k) bytes[at + size_t(k)] = char(w >> (8 * k));
}

TEST(AssetFileTitle, ReadsTheLastAssetsTitle) {
    const AssetBody other{kOtherType, {1, 2, 3}};
    EXPECT_EQ(TitleOf(Container({other, Chunk("Moonlit Orchard")})), "Moonlit Orchard");
    EXPECT_EQ(TitleOf(Container({Chunk(std::string(127, 'x'))})), std::string(127, 'x'));
}

TEST(AssetFileTitle, ForeignAndMissingFilesHaveNoTitle) {
    EXPECT_EQ(TitleOf(Container({Chunk("First"), AssetBody{kOtherType, std::vector<uint8_t>(200, 'a')}})), "");
    EXPECT_EQ(ReadAssetFileTitle("no_such_machine.slot"), "");
    EXPECT_EQ(TitleOf(""), "");
    EXPECT_EQ(TitleOf("QUOR"), "");
    EXPECT_EQ(TitleOf(std::string(300, '\xff')), "");
}

TEST(AssetFileTitle, DamagedDirectoryOrTitleGivesNoTitle) {
    const std::string good = Container({AssetBody{kOtherType, {1}}, Chunk("Good")});
    ASSERT_EQ(TitleOf(good), "Good");
    struct Damage {
        const char* what;
        size_t at;
        uint32_t word;
    };
    const Damage damages[] = {
        {"no magic", 0, 0x12345678},
        {"no assets", 4, 0},
        {"count past the file", 4, 0x7FFFFFFF},
        {"count making the directory wrap", 4, 0xE0000001},
        {"offset past the end", 24, uint32_t(good.size())},
        {"offset inside the directory", 24, 8},
        {"offset near the end", 24, uint32_t(good.size() - 20)},
        {"chunk shorter than a title", 24 + 0, 0},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        std::string bytes = good;
        if (std::string(d.what) == "chunk shorter than a title") {
            const uint32_t offset = uint32_t(uint8_t(bytes[24])) | uint32_t(uint8_t(bytes[25])) << 8;
            PutWord(bytes, offset + 4, 64);
        } else {
            PutWord(bytes, d.at, d.word);
        }
        EXPECT_EQ(TitleOf(bytes), "");
    }
}

TEST(AssetFileTitle, TitleFieldWithoutTerminatorGivesNoTitle) {
    std::string bytes = Container({Chunk("Short")});
    const size_t title = 16 + 8 + 12;
    for (size_t i = 0; i < 128; ++i) bytes[title + i] = 'Z';
    EXPECT_EQ(TitleOf(bytes), "");
    EXPECT_EQ(TitleOf(bytes.substr(0, title + 100)), "");
}

}  // namespace

// The picture probe of the Windows program on files the test writes: a BMP file, and an
// asset file with an image, sprites and other data.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "CompileHelpers.h"
#include "EnginePictureProbe.h"
#include "SprtAssetBuilder.h"

namespace {

const uint32_t kBmap = 0x50414D42u, kSprt = 0x54525053u, kData = 0x41544144u;

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// A 24-bit bottom-up BMP file of the size, every pixel grey.
std::vector<uint8_t> BmpFile(int32_t width, int32_t height) {
    const uint32_t row = (uint32_t(width) * 3 + 3) & ~3u;
    const uint32_t pixels = row * uint32_t(height);
    std::vector<uint8_t> v = {'B', 'M'};
    AppendLE32(v, 54 + pixels);
    AppendLE32(v, 0);
    AppendLE32(v, 54);
    AppendLE32(v, 40);
    AppendLE32(v, uint32_t(width));
    AppendLE32(v, uint32_t(height));
    AppendLE16(v, 1);
    AppendLE16(v, 24);
    for (int i = 0; i < 6; ++i) AppendLE32(v, 0);
    v.resize(v.size() + pixels, 0x80);
    return v;
}

// Asset 1 an image 21 by 9; 2 a sprite showing it; 3 plain data; 4 a sprite showing asset
// 3; 5 a sprite whose sequence table lies outside its data.
std::vector<uint8_t> AssetFile() {
    SprtFrameSpec image, data;
    image.picture = 1;
    data.picture = 3;
    std::vector<uint8_t> broken = SprtAssetBuilder().Frame(image).Sequence({0}).BuildData();
    SprtAssetBuilder::Set(broken, 8, 0x00FFFFF0u);  // the sequence table's offset
    return AssetFileBuilder()
        .Add(kBmap, SolidPictureData(21, 9, 0x1234))
        .Add(kSprt, SprtAssetBuilder().Frame(image).Sequence({0}).BuildData())
        .Add(kData, std::vector<uint8_t>(16, 7))
        .Add(kSprt, SprtAssetBuilder().Frame(data).Sequence({0}).BuildData())
        .Add(kSprt, broken)
        .Build();
}

class ProbeFiles : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(bmp, BmpFile(13, 7));
        WriteFile(assets, AssetFile());
        WriteFile(text, {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'});
    }
    void TearDown() override {
        for (const std::string& path : {bmp, assets, text}) std::remove(path.c_str());
    }
    const std::string bmp = "probe_picture.bmp";
    const std::string assets = "probe_assets.ast";
    const std::string text = "probe_text.bmp";
    EnginePictureProbe probe;
};

TEST_F(ProbeFiles, BitmapFiles) {
    EXPECT_EQ(probe.GetBitmapFileSize(bmp), (PictureSize{13, 7}));
    EXPECT_EQ(probe.GetBitmapFileSize("no_such_picture.bmp"), PictureSize());
    EXPECT_EQ(probe.GetBitmapFileSize(text), PictureSize());
    EXPECT_EQ(probe.GetFirstFileSize({bmp, text}), (PictureSize{13, 7}));
    EXPECT_EQ(probe.GetFirstFileSize({}), PictureSize());
}

TEST_F(ProbeFiles, SpriteAssets) {
    EXPECT_EQ(probe.GetAssetFrameSize(assets, 2), (PictureSize{21, 9}));
    EXPECT_EQ(probe.GetAssetFrameSize(assets, 1), PictureSize()) << "an image is no sprite";
    EXPECT_EQ(probe.GetAssetFrameSize(assets, 3), PictureSize());
    EXPECT_EQ(probe.GetAssetFrameSize(assets, 4), PictureSize()) << "its picture is no image";
    EXPECT_EQ(probe.GetAssetFrameSize(assets, 5), PictureSize()) << "offsets outside the data";
    EXPECT_EQ(probe.GetAssetFrameSize("no_such_file.ast", 2), PictureSize());
    try {
        probe.GetAssetFrameSize(assets, 6);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "No asset #6 in probe_assets.ast");
    }
    EXPECT_THROW(probe.GetAssetFrameSize(assets, 0), std::runtime_error);
    // Every file the probe opened is closed again: the same probes still work.
    for (int i = 0; i < 100; ++i) ASSERT_EQ(probe.GetAssetFrameSize(assets, 2).width, 21);
}

TEST_F(ProbeFiles, TheCompilerSizesElementsWithIt) {
    MachineDescription md;
    md.SetPictureProbe(&probe);
    RecordingSink sink;
    CompileText(md,
                ArtStatementScript("Button Lib { { \"probe_assets.ast\", 2 } = 5, 6 }\n"
                                   "Arm { \"probe_picture.bmp\" = 100, 200 }\n"
                                   "Indicator Digits { { \"probe_assets.ast\", 2 } = 0, 0, 70 x 9 }"),
                sink);
    EXPECT_EQ(md.GetButtons().at("Lib").button.rectangle, (ScriptRect{5, 6, 26, 15}));
    EXPECT_EQ(md.GetArmRect(), (ScriptRect{100, 200, 113, 207}));
    EXPECT_EQ(md.GetIndicators().at("Digits").indicator.digits, 3);

    EXPECT_EQ(OnlyMessage(ArtStatementScript("Button Lib { { \"probe_assets.ast\", 6 } = 5, 6 }"),
                          &probe),
              "No asset #6 in probe_assets.ast");
}

}  // namespace

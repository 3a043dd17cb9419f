// Files written by AssetBuilder, read back through the engine's exports: the container,
// pictures as stored and after ZORUDOR's encoding, backdrops, sprites, sounds, regions and
// raw chunks, and assets imported from another asset file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "AssetBuilder.h"
#include "Bitmap.h"
#include "BmpBytes.h"
#include "ImageRecord.h"
#include "MessageSink.h"
#include "Quor2_5.h"
#include "Region.h"
#include "SpriteRecords.h"
#include "SprtReader.h"
#include "ZorudorCodec.h"

namespace {

const uint32_t kBmapKind = 0x50414D42u;  // "BMAP"
const uint32_t kFlatColour = 0x40C080;   // 0x00RRGGBB
const uint32_t kKeyColour = 0xFF00FF;

class Messages : public MessageSink {
public:
    void AddMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

uint32_t To555(uint32_t rgb) { return (rgb >> 19 & 31) << 10 | (rgb >> 11 & 31) << 5 | (rgb >> 3 & 31); }

// Saves a 24-bit picture whose pixels come from `colour`(x, y) as 0x00RRGGBB.
template <typename Colour>
std::string SavePicture(const char* stem, int32_t width, int32_t height, Colour colour) {
    Bitmap b(width, height, 24, false);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            uint8_t* p = b.View().Row(y) + 3 * x;
            p[0] = uint8_t(c);
            p[1] = uint8_t(c >> 8);
            p[2] = uint8_t(c >> 16);
        }
    const std::string path = TempFilePath(stem) + ".bmp";
    EXPECT_TRUE(b.Save(path));
    return path;
}

uint32_t NoiseColour(int32_t x, int32_t y) {
    const uint32_t h = uint32_t(x * 7919 + y * 104729) * 2654435761u;
    return h >> 8 & 0xF8F8F8;
}

// A locked asset of an open file, with its size from its info.
struct Locked {
    Locked(uint32_t handle) : handle(handle) {
        data = static_cast<const uint8_t*>(DereferenceAndLockAsset(handle));
        QuorAssetInfo info{};
        GetAssetInfo(handle, &info);
        size = 4 + info.dataSize;
    }
    ~Locked() {
        if (data) ReleaseAsset(handle);
    }
    uint32_t Word(size_t at) const {
        uint32_t w;
        std::memcpy(&w, data + at, 4);
        return w;
    }
    uint16_t Half(size_t at) const {
        uint16_t h;
        std::memcpy(&h, data + at, 2);
        return h;
    }
    std::vector<uint16_t> Halves(size_t from, size_t count) const {
        std::vector<uint16_t> halves;
        for (size_t k = 0; k < count; ++k) halves.push_back(Half(from + 2 * k));
        return halves;
    }
    std::vector<uint8_t> Bytes(size_t from) const { return std::vector<uint8_t>(data + from, data + size); }

    uint32_t handle;
    const uint8_t* data;
    size_t size;
};

class AssetBuilderFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterDecoder(kBmapKind, 1, "ZORUDOR.DLL");
        RegisterDecoder(kBmapKind, 2, "BMJPEG.DLL");
        flat_ = SavePicture("flat", 20, 10, [](int32_t x, int32_t y) { return x + y == 0 ? kKeyColour : kFlatColour; });
        noise_ = SavePicture("noise", 8, 7, NoiseColour);
        wave_ = WriteTempFile({'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E', 1}, "sound");
    }
    static void TearDownTestSuite() {
        for (const std::string& path : {flat_, noise_, wave_}) std::remove(path.c_str());
    }
    void TearDown() override {
        for (int32_t file : open_) CloseAssetFile(uint32_t(file));
        for (const std::string& path : written_) std::remove(path.c_str());
    }

    static ImageSource Source(const std::string& name, int32_t key) {
        ImageSource s;
        s.name = name;
        s.key = key;
        return s;
    }
    // Two pictures, a backdrop, a sprite of one sequence of two frames and a sound.
    void BuildFiveAssets(AssetBuilder& b) {
        EXPECT_EQ(1u, b.AddImage(Source(flat_, kKeyFromPicture)));
        EXPECT_EQ(2u, b.AddImage(Source(noise_, kNoColourKey)));
        EXPECT_EQ(1u, b.AddImage(Source(flat_, kKeyFromPicture)));
        EXPECT_EQ(1u, b.AddBackdrop(noise_));
        b.BeginSprite();
        b.BeginSequence();
        b.AddFrame(flat_, AssetBuilder::AnchorCentre, AssetBuilder::AnchorCentre, 3);
        b.AddFrameAt(noise_, AssetBuilder::AnchorFar, AssetBuilder::AnchorFar, kNoColourKey, 1);
        b.EndSequence();
        b.EndSprite();
        EXPECT_EQ(1u, b.AddWaveFile(wave_));
        EXPECT_EQ(2u, b.GetImageCount());
        EXPECT_EQ(3u, b.GetFirstBackdropIndex());
        EXPECT_EQ(4u, b.GetFirstSpriteIndex());
        EXPECT_EQ(0, b.GetLastSpriteIndex());
        EXPECT_EQ(5u, b.GetFirstChunkIndex());
    }
    // The five assets above, written and opened through the engine.
    uint32_t OpenFiveAssets(const char* stem) {
        AssetBuilder b;
        BuildFiveAssets(b);
        return Open(Write(b, stem));
    }
    std::string Write(AssetBuilder& b, const char* stem) {
        const std::string path = TempFilePath(stem) + ".ast";
        written_.push_back(path);
        Messages messages;
        EXPECT_TRUE(b.Write(path, &messages));
        EXPECT_TRUE(messages.texts.empty());
        return path;
    }
    uint32_t Open(const std::string& path) {
        const int32_t file = OpenAssetFile(path.c_str());
        EXPECT_NE(-1, file);
        open_.push_back(file);
        return uint32_t(file);
    }

    static std::string flat_, noise_, wave_;
    std::vector<std::string> written_;
    std::vector<int32_t> open_;
};

std::string AssetBuilderFiles::flat_, AssetBuilderFiles::noise_, AssetBuilderFiles::wave_;

}  // namespace

TEST_F(AssetBuilderFiles, AnEmptyBuilderWritesSixteenBytesTheEngineOpens) {
    AssetBuilder b;
    const std::string path = Write(b, "empty");
    EXPECT_EQ(16u, ReadTempFile(path).size());
    const uint32_t file = Open(path);
    EXPECT_EQ(0u, GetNumberOfAssets(file));
    uint32_t size = 99;
    EXPECT_TRUE(GetAssetFileUserInfo(file, nullptr, &size));
    EXPECT_EQ(0u, size);
}

TEST_F(AssetBuilderFiles, FiveAssetsStartRightAfterTheDirectory) {
    AssetBuilder b;
    BuildFiveAssets(b);
    const std::string path = Write(b, "five");
    const std::vector<uint8_t> bytes = ReadTempFile(path);
    ASSERT_GE(bytes.size(), 24u);
    uint32_t count, first;
    std::memcpy(&count, &bytes[4], 4);
    std::memcpy(&first, &bytes[16], 4);
    EXPECT_EQ(5u, count);
    EXPECT_EQ(56u, first);

    const uint32_t file = Open(path);
    ASSERT_EQ(5u, GetNumberOfAssets(file));
    const uint32_t types[] = {kBmapKind, kBmapKind, 0x4B434142u, 0x54525053u, 0x45564157u};
    for (uint32_t i = 0; i < 5; ++i) {
        QuorAssetInfo info{};
        ASSERT_TRUE(GetAssetInfo(file | (i + 1), &info));
        EXPECT_EQ(types[i], info.type) << i;
        EXPECT_EQ(0u, info.info);
    }
}

TEST_F(AssetBuilderFiles, PicturesAreEncodedWhenThatIsSmallerAndRawOtherwise) {
    const uint32_t file = OpenFiveAssets("pictures");

    // The flat picture shrinks: ZORUDOR's slot, its key pixel's colour as the key.
    Locked flat(file | 1);
    ASSERT_NE(nullptr, flat.data);
    // Kind (keyed), decoder slot, width, height.
    EXPECT_EQ((std::vector<uint16_t>{10, 1, 20, 10}), flat.Halves(4, 4));
    EXPECT_EQ(To555(kKeyColour), flat.Word(12));
    const uint32_t raw = 10 * quor::RowBytes(20, 2);
    EXPECT_LT(flat.Word(16), raw);
    std::vector<uint16_t> pixels(raw / 2);
    ASSERT_TRUE(zorudor::DecodeRecord(pixels.data(), flat.data, raw, flat.Word(16)));
    EXPECT_EQ(To555(kKeyColour), pixels[0]);
    EXPECT_EQ(To555(kFlatColour), pixels[1]);
    EXPECT_EQ(To555(kFlatColour), pixels[9 * 20 + 19]);

    // Noise would grow (no row padding to save at an even width): it stays raw, slot 0.
    Locked noise(file | 2);
    ASSERT_NE(nullptr, noise.data);
    EXPECT_EQ((std::vector<uint16_t>{2, 0, 8, 7}), noise.Halves(4, 4));
    EXPECT_EQ(0xFFFFFFFFu, noise.Word(12));
    ASSERT_EQ(7 * quor::RowBytes(8, 2), noise.Word(16));
    for (int32_t y = 0; y < 7; ++y)
        for (int32_t x = 0; x < 8; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_EQ(To555(NoiseColour(x, y)), noise.Half(20 + y * quor::RowBytes(8, 2) + 2 * x));
        }
}

TEST_F(AssetBuilderFiles, BackdropsAndSpritesWorkOnEngineStages) {
    const uint32_t file = OpenFiveAssets("scene");
    {
        Locked backdrop(file | 3);
        ASSERT_NE(nullptr, backdrop.data);
        // Static, wrapping both ways; one column and row of the noise picture's size.
        EXPECT_EQ((std::vector<uint16_t>{0xC000, 1, 1, 8, 7, 2}), backdrop.Halves(4, 6));
    }
    const int32_t stage = CreateStage(0);
    ASSERT_NE(0, stage);
    EXPECT_EQ(1, SelectBackdrop(stage, file | 3));

    std::vector<SpriteSequence> sequences;
    {
        Locked sprt(file | 4);
        ASSERT_NE(nullptr, sprt.data);
        ASSERT_TRUE(ReadSprtSequences(sprt.data, sprt.size, uint32_t(uintptr_t(sprt.data)), sequences));
    }
    ASSERT_EQ(1u, sequences.size());
    ASSERT_EQ(2u, sequences[0].size());
    const SpriteFrame& centred = sequences[0][0];
    EXPECT_EQ(1u, centred.picture);
    EXPECT_EQ(-10, centred.x);
    EXPECT_EQ(-5, centred.y);
    EXPECT_EQ(3u, centred.hold);
    const SpriteFrame& corner = sequences[0][1];
    EXPECT_EQ(2u, corner.picture);
    EXPECT_EQ(1 - 8, corner.x);
    EXPECT_EQ(-1 - 7, corner.y);
    DeleteStage(stage);
}

TEST_F(AssetBuilderFiles, SpritesOfWrittenFilesShowTheirFrames) {
    const uint32_t file = OpenFiveAssets("sprite");
    const int32_t stage = CreateStage(0);
    ASSERT_NE(0, stage);
    const uint32_t block[4] = {file | 4, 0, 0, 0};
    const SpriteCreateRecord record = CreationRecord(0, block, stage, 100, 50);
    const int32_t sprite = CreateSprite(&record);
    int32_t detail = 0;
    ASSERT_NE(0, sprite) << GetLastQuorError(&detail);
    RECT bounds = Examined(sprite).bounds;
    EXPECT_EQ(90, bounds.left);
    EXPECT_EQ(45, bounds.top);
    EXPECT_EQ(110, bounds.right);
    EXPECT_EQ(55, bounds.bottom);
    ASSERT_TRUE(AnimateSprite(sprite, 0, 1, 0));
    bounds = Examined(sprite).bounds;
    EXPECT_EQ(93, bounds.left);
    EXPECT_EQ(42, bounds.top);
    DeleteSprite(sprite);
    Sleep(100);
    DeleteStage(stage);
}

TEST_F(AssetBuilderFiles, SoundsRegionsAndRawChunksKeepTheirBytes) {
    AssetBuilder b;
    Region region;
    region.originX = 12;
    region.originY = -4;
    region.vertices = {{0, 0}, {30, 0}, {30, 20}};
    region.entries.resize(1);
    std::memcpy(region.entries[0].data(), "OnClick=go()", 12);
    EXPECT_EQ(1u, b.AddRegions(region));
    EXPECT_EQ(1u, b.AddCompressedWaveFile(wave_));
    EXPECT_EQ(0u, b.AddWaveFile(TempFilePath("missing") + ".wav"));
    const uint8_t machine[5] = {9, 8, 7, 6, 5};
    EXPECT_EQ(1u, b.AddChunk(0x306C7376u /* "vsl0" */, machine, sizeof machine));
    EXPECT_EQ(3u, b.GetChunkCount());
    EXPECT_EQ(1u, b.GetFirstChunkIndex());

    const uint32_t file = Open(Write(b, "chunks"));
    ASSERT_EQ(3u, GetNumberOfAssets(file));
    Locked regn(file | 1), cwav(file | 2), raw(file | 3);
    EXPECT_EQ(0x6E676572u, regn.Word(0));
    EXPECT_EQ(RegionChunkData(region), regn.Bytes(4));
    EXPECT_EQ(0x56415743u, cwav.Word(0));
    EXPECT_EQ(ReadTempFile(wave_), cwav.Bytes(4));
    EXPECT_EQ(std::vector<uint8_t>(machine, machine + 5), raw.Bytes(4));
}

TEST_F(AssetBuilderFiles, JpegPicturesKeepTheirDataForTheJpegDecoder) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string jpeg(exe);
    jpeg = jpeg.substr(0, jpeg.find_last_of("\\/") + 1) + "bmjpeg_sky.jpg";
    const std::vector<uint8_t> data = ReadTempFile(jpeg);
    if (data.empty()) GTEST_SKIP() << "no JPEG picture was made for the tests";

    AssetBuilder b;
    EXPECT_EQ(1u, b.AddBackdrop(jpeg));
    const uint32_t file = Open(Write(b, "jpeg"));
    {
        Locked picture(file | 1);
        ASSERT_NE(nullptr, picture.data);
        EXPECT_EQ(2, picture.Half(6));
        EXPECT_EQ(37, picture.Half(8));
        EXPECT_EQ(21, picture.Half(10));
        EXPECT_EQ(data, picture.Bytes(20));
    }
    const int32_t stage = CreateStage(0);
    EXPECT_EQ(1, SelectBackdrop(stage, file | 2));
    DeleteStage(stage);
}

TEST_F(AssetBuilderFiles, AssetsOfAnotherFileAreImportedWithTheirPictures) {
    AssetBuilder first;
    BuildFiveAssets(first);
    const std::string source = Write(first, "source");

    AssetBuilder b;
    EXPECT_EQ(1u, b.ImportBackdrop(source, 3));
    EXPECT_EQ(1u, b.GetImageCount());
    EXPECT_EQ(0, b.AddSpriteAsset(source, 4));
    EXPECT_EQ(2u, b.GetImageCount());  // the noise picture is shared with the backdrop
    const std::vector<uint8_t> sound = b.CopyAsset(source, 5);
    EXPECT_EQ(0, std::memcmp(sound.data(), "WAVE", 4));
    EXPECT_EQ(ReadTempFile(wave_), std::vector<uint8_t>(sound.begin() + 4, sound.end()));
    try {
        b.ImportBackdrop(source, 1);
        ADD_FAILURE() << "a picture taken as a backdrop";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ("Can't open " + source + " asset 1", std::string(e.what()));
    }
    EXPECT_THROW(b.ImportSprites(source, 1), std::runtime_error);
    EXPECT_THROW(b.CopyAsset(source, 6), std::runtime_error);

    const uint32_t from = Open(source);
    const uint32_t file = Open(Write(b, "imported"));
    ASSERT_EQ(4u, GetNumberOfAssets(file));
    // The encoded picture is copied as it was stored.
    Locked original(from | 1), copied(file | 2);
    ASSERT_NE(nullptr, copied.data);
    EXPECT_EQ(1, copied.Half(6));
    EXPECT_EQ(original.Bytes(0), copied.Bytes(0));
    Locked backdrop(file | 3);
    EXPECT_EQ(1, backdrop.Half(14));
    std::vector<SpriteSequence> sequences;
    {
        Locked sprt(file | 4);
        ASSERT_TRUE(ReadSprtSequences(sprt.data, sprt.size, uint32_t(uintptr_t(sprt.data)), sequences));
    }
    ASSERT_EQ(1u, sequences.size());
    ASSERT_EQ(2u, sequences[0].size());
    EXPECT_EQ(2u, sequences[0][0].picture);
    EXPECT_EQ(1u, sequences[0][1].picture);
    EXPECT_EQ(-10, sequences[0][0].x);
}

TEST_F(AssetBuilderFiles, BitmapFramesAndFailuresToOpen) {
    Bitmap picture(5, 3, 24, true);
    std::memset(picture.Pixels(), 0xFF, picture.RowBytes() * 3);
    AssetBuilder b;
    b.BeginSprite();
    b.BeginSequence();
    b.AddAnchoredFrame(picture, SIZE{5, 3}, true, 2, AssetBuilder::AnchorCentre, AssetBuilder::AnchorNear);
    b.AddAnchoredFrame(picture, SIZE{5, 3}, false, 1, 7, AssetBuilder::AnchorFar);
    b.EndSequence();
    b.EndSprite();
    EXPECT_EQ(2u, b.GetImageCount());
    const uint32_t file = Open(Write(b, "anchored"));
    Locked keyed(file | 1);
    EXPECT_EQ(10, keyed.Half(4));
    EXPECT_EQ(0x7FFFu, keyed.Word(12));
    std::vector<SpriteSequence> sequences;
    {
        Locked sprt(file | 3);
        ASSERT_TRUE(ReadSprtSequences(sprt.data, sprt.size, uint32_t(uintptr_t(sprt.data)), sequences));
    }
    ASSERT_EQ(2u, sequences.at(0).size());
    EXPECT_EQ(-2, sequences[0][0].x);
    EXPECT_EQ(0, sequences[0][0].y);
    EXPECT_EQ(0, sequences[0][1].x);
    EXPECT_EQ(-4, sequences[0][1].y);

    Messages messages;
    const std::string nowhere = TempFilePath("no_such_folder") + "\\x.ast";
    EXPECT_FALSE(b.Write(nowhere, &messages));
    ASSERT_EQ(1u, messages.texts.size());
    EXPECT_EQ("Couldn't open " + nowhere, messages.texts[0]);

    const std::string missing = TempFilePath("missing") + ".bmp";
    try {
        b.AddImage(Source(missing, kNoColourKey));
        ADD_FAILURE() << "a missing picture added";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ("Cant open " + missing, std::string(e.what()));
    }
    const std::string damaged = WriteTempFile({'B', 'M', 0, 0}, "damaged");
    EXPECT_THROW(b.AddImage(Source(damaged, kNoColourKey)), std::runtime_error);
    std::remove(damaged.c_str());
}

// Sixteen bits hold a picture's width and height, 24 bits an asset's size: what does not
// fit is named and the file is not written, nor an old one at its place touched. (Picture
// files larger than that are refused when they are read; pictures made in memory are not.)
TEST_F(AssetBuilderFiles, PicturesAndAssetsTooLargeForTheFormatAreRefusedByName) {
    const std::string widest = SavePicture("widest", 65535, 1, NoiseColour);
    const std::string path = WriteTempFile({'o', 'l', 'd'}, "refused");
    written_.insert(written_.end(), {widest, path});
    {
        AssetBuilder b;
        b.AddImage(Source(widest, kNoColourKey));
        b.AddImage(Bitmap(65536, 2, 24, false), false);
        b.AddImage(Bitmap(3, 65536, 24, false), false);
        Messages messages;
        EXPECT_FALSE(b.Write(path, &messages));
        ASSERT_EQ(3u, messages.texts.size());
        EXPECT_EQ("The picture 2 is 65536 x 2 pixels; an asset file holds at most 65535 x 65535",
                  messages.texts[0]);
        EXPECT_EQ("The picture 3 is 3 x 65536 pixels; an asset file holds at most 65535 x 65535",
                  messages.texts[1]);
        EXPECT_EQ(path + " was not written", messages.texts[2]);
        EXPECT_EQ(std::vector<uint8_t>({'o', 'l', 'd'}), ReadTempFile(path));
    }
    const std::string sound = WriteTempFile(std::vector<uint8_t>(0x1000000, 0x80), "long_sound");
    written_.push_back(sound);
    AssetBuilder b;
    b.AddImage(Source(widest, kNoColourKey));
    const std::vector<uint8_t> largest(0xFFFFFF, 0x11);
    b.AddChunk(0x41544144u /* "DATA" */, largest.data(), uint32_t(largest.size()));
    ASSERT_EQ(1u, b.AddWaveFile(sound));
    Messages messages;
    EXPECT_FALSE(b.Write(path, &messages));
    ASSERT_EQ(2u, messages.texts.size());
    EXPECT_EQ("The WAVE chunk of " + sound + " (asset 3) has 16777216 bytes; an asset of an asset file holds at most "
              "16777215", messages.texts[0]);
    EXPECT_EQ(std::vector<uint8_t>({'o', 'l', 'd'}), ReadTempFile(path));

    // At the limits themselves the file is written and the engine reads it.
    AssetBuilder fits;
    fits.AddImage(Source(widest, kNoColourKey));
    fits.AddChunk(0x41544144u, largest.data(), uint32_t(largest.size()));
    const uint32_t file = Open(Write(fits, "largest"));
    Locked picture(file | 1);
    EXPECT_EQ(65535, picture.Half(8));
    QuorAssetInfo info{};
    ASSERT_TRUE(GetAssetInfo(file | 2, &info));
    EXPECT_EQ(0xFFFFFFu, info.dataSize);
}

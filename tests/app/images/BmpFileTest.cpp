// The BMP reader: every kind of pixel it reads, row order, and the files it refuses.
#include <gtest/gtest.h>

#include <cstdio>

#include "BmpBytes.h"
#include "BmpFile.h"
#include "PictureFileText.h"

namespace {

std::vector<uint8_t> RowsOf(BmpFile& file) {
    std::vector<uint8_t> all(size_t(file.RowLength()) * size_t(file.Info().height));
    EXPECT_TRUE(file.ReadAll(all.data()));
    return all;
}

// An 8-bit 3 x 2 picture whose stored rows are bottom first.
BmpLayout EightBit() {
    BmpLayout s;
    s.width = 3;
    s.height = 2;
    s.bitCount = 8;
    s.palette = {{1, 2, 3, 0}, {10, 20, 30, 0}, {100, 110, 120, 0}};
    s.coloursUsed = 3;
    s.rows = {2, 1, 0, 0, /* top row: */ 0, 1, 2, 0};
    return s;
}

}  // namespace

TEST(BmpFile, ReadsEightBitRowsTopFirstWithTheirPalette) {
    const std::string path = WriteTempFile(BmpBytes(EightBit()), "bmp8");
    BmpFile file(path);
    ASSERT_TRUE(file.IsValid()) << file.Error();
    const ImageInfo& info = file.Info();
    EXPECT_EQ(PixelKind::Indexed8, info.kind);
    EXPECT_TRUE(info.palettised);
    EXPECT_EQ(3u, info.paletteCount);
    EXPECT_EQ(30, info.palette[1][0]);  // red
    EXPECT_EQ(10, info.palette[1][2]);  // blue
    EXPECT_EQ(4u, file.RowLength());
    EXPECT_EQ((std::vector<uint8_t>{0, 1, 2, 0, 2, 1, 0, 0}), RowsOf(file));
    // Rows come again after a rewind, and not past the last one.
    uint8_t row[4];
    EXPECT_FALSE(file.ReadRow(row));
    file.Rewind();
    EXPECT_TRUE(file.ReadRow(row));
    EXPECT_EQ(0, row[0]);
    EXPECT_TRUE(file.ReadRow(row));
    EXPECT_FALSE(file.ReadRow(row));
    std::remove(path.c_str());
}

TEST(BmpFile, OneAndFourBitPixelsArePackedAndUnpackToIndices) {
    BmpLayout one;
    one.width = 10;  // two bytes of pixels, padded to four
    one.height = 1;
    one.bitCount = 1;
    one.palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    one.rows = {0xA5, 0x80, 0, 0};
    const std::string path = WriteTempFile(BmpBytes(one), "bmp1");
    BmpFile file(path);
    ASSERT_TRUE(file.IsValid()) << file.Error();
    EXPECT_EQ(PixelKind::Indexed1, file.Info().kind);
    EXPECT_EQ(2u, file.Info().paletteCount);
    ASSERT_EQ(4u, file.RowLength());
    std::vector<uint8_t> row = RowsOf(file), indices(10);
    UnpackRow(PixelKind::Indexed1, row.data(), 10, indices.data());
    EXPECT_EQ((std::vector<uint8_t>{1, 0, 1, 0, 0, 1, 0, 1, 1, 0}), indices);
    std::remove(path.c_str());

    BmpLayout four = one;
    four.width = 3;
    four.bitCount = 4;
    four.rows = {0x1F, 0x70, 0, 0};
    four.palette.resize(16);
    const std::string path4 = WriteTempFile(BmpBytes(four), "bmp4");
    BmpFile file4(path4);
    ASSERT_TRUE(file4.IsValid()) << file4.Error();
    row = RowsOf(file4);
    indices.assign(3, 0);
    UnpackRow(PixelKind::Indexed4, row.data(), 3, indices.data());
    EXPECT_EQ((std::vector<uint8_t>{1, 15, 7}), indices);
    std::remove(path4.c_str());
}

TEST(BmpFile, SixteenBitKindFollowsTheMasks) {
    struct Case {
        uint32_t compression;
        std::vector<uint32_t> masks;
        PixelKind kind;
    } cases[] = {{kBmpRgb, {}, PixelKind::Rgb555},
                 {kBmpBitFields, {0x7C00, 0x03E0, 0x001F}, PixelKind::Rgb555},
                 {kBmpBitFields, {0xF800, 0x07E0, 0x001F}, PixelKind::Rgb565}};
    for (const Case& c : cases) {
        BmpLayout s;
        s.width = 3;  // six bytes of pixels, padded to eight
        s.height = 1;
        s.bitCount = 16;
        s.compression = c.compression;
        s.masks = c.masks;
        s.rows = {1, 2, 3, 4, 5, 6, 0, 0};
        const std::string path = WriteTempFile(BmpBytes(s), "bmp16");
        BmpFile file(path);
        ASSERT_TRUE(file.IsValid()) << file.Error();
        EXPECT_EQ(c.kind, file.Info().kind);
        EXPECT_EQ(8u, file.RowLength());
        EXPECT_EQ(s.rows, RowsOf(file));
        std::remove(path.c_str());
    }
}

// A picture saved by a paint program with RLE8 or RLE4 compression was refused as "not a
// valid BMP file". Runs, pictures as they are, line ends, moves and the end mark.
TEST(BmpFile, RunLengthCompressedPicturesUnpackToTheirRows) {
    BmpLayout eight = EightBit();
    eight.width = 5;
    eight.height = 3;
    eight.compression = 1;
    eight.rows = {3, 2, 1, 1, 1, 0, 0, 0,                /* bottom row: 2 2 2 1 0 */
                  0, 2, 1, 0, 0, 3, 1, 0, 1, 0, 1, 2, 0, 0, /* one right, 1 0 1 padded, 2 */
                  0, 1};                                  /* the top row left out: all 0 */
    std::string path = WriteTempFile(BmpBytes(eight), "rle8");
    {
        BmpFile file(path);
        ASSERT_TRUE(file.IsValid()) << file.Error();
        EXPECT_EQ(PixelKind::Indexed8, file.Info().kind);
        EXPECT_EQ(8u, file.RowLength());
        EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0,  /* top */
                                        0, 1, 0, 1, 2, 0, 0, 0,  /* middle */
                                        2, 2, 2, 1, 0, 0, 0, 0}),
                  RowsOf(file));
    }
    std::remove(path.c_str());

    BmpLayout four = EightBit();
    four.width = 7;
    four.height = 2;
    four.bitCount = 4;
    four.compression = 2;
    four.rows = {5, 0x12, 2, 0x30, 0, 0,          /* bottom: 1 2 1 2 1, 3 0 */
                 0, 3, 0x21, 0x20, 3, 0x11, 0, 1}; /* top: 2 1 2 padded, 1 1 1 */
    path = WriteTempFile(BmpBytes(four), "rle4");
    {
        BmpFile file(path);
        ASSERT_TRUE(file.IsValid()) << file.Error();
        EXPECT_EQ(PixelKind::Indexed4, file.Info().kind);
        EXPECT_EQ((std::vector<uint8_t>{0x21, 0x21, 0x11, 0x00, 0x12, 0x12, 0x13, 0x00}), RowsOf(file));
    }
    std::remove(path.c_str());
}

TEST(BmpFile, RefusesWhatItCannotReadWithAReason) {
    typedef void (*LayoutDamage)(BmpLayout&);
    typedef void (*ByteDamage)(std::vector<uint8_t>&);
    struct Case {
        const char* what;
        LayoutDamage layout;
        ByteDamage bytes;
    } cases[] = {
        {"not BM", nullptr, [](std::vector<uint8_t>& b) { b[0] = 'X'; }},
        {"12-byte header", nullptr, [](std::vector<uint8_t>& b) { b[14] = 12; }},
        {"two planes", nullptr, [](std::vector<uint8_t>& b) { b[26] = 2; }},
        {"pixel offset past the end", nullptr, [](std::vector<uint8_t>& b) { b[10] = 0xF0; }},
        {"pixel offset inside the headers", nullptr, [](std::vector<uint8_t>& b) { b[10] = 20; }},
        {"run-length compressed 24 bits", [](BmpLayout& s) { s.compression = 1; s.bitCount = 24; }, nullptr},
        {"RLE8 picture stored top row first", [](BmpLayout& s) { s.compression = 1; s.height = -2; }, nullptr},
        {"RLE8 run past the row", [](BmpLayout& s) { s.compression = 1; s.rows = {4, 1, 0, 1}; }, nullptr},
        {"RLE8 pixels cut short", [](BmpLayout& s) { s.compression = 1; s.rows = {0, 3, 1}; }, nullptr},
        {"JPEG inside a BMP", [](BmpLayout& s) { s.compression = 4; }, nullptr},
        {"2 bits a pixel", [](BmpLayout& s) { s.bitCount = 2; }, nullptr},
        {"zero width", [](BmpLayout& s) { s.width = 0; }, nullptr},
        {"zero height", [](BmpLayout& s) { s.height = 0; }, nullptr},
        {"huge width", [](BmpLayout& s) { s.width = 1 << 20; }, nullptr},
        {"pixels cut short", [](BmpLayout& s) { s.rows.resize(5); }, nullptr},
        {"more colours than 8 bits hold", [](BmpLayout& s) { s.coloursUsed = 300; }, nullptr},
        {"colour table over the pixels", [](BmpLayout& s) { s.coloursUsed = 200; }, nullptr},
        {"bit fields on 8 bits", [](BmpLayout& s) { s.compression = kBmpBitFields; }, nullptr},
        {"odd 16-bit masks",
         [](BmpLayout& s) {
             s.bitCount = 16;
             s.compression = kBmpBitFields;
             s.masks = {0xF00, 0xF0, 0xF};
             s.palette.clear();
             s.coloursUsed = 0;
             s.rows.assign(16, 0);
         },
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BmpLayout s = EightBit();
        if (c.layout) c.layout(s);
        std::vector<uint8_t> bytes = BmpBytes(s);
        if (c.bytes) c.bytes(bytes);
        const std::string path = WriteTempFile(bytes, "bad");
        BmpFile file(path);
        EXPECT_FALSE(file.IsValid());
        EXPECT_NE(std::string::npos, file.Error().find(path)) << file.Error();
        uint8_t row[64];
        EXPECT_FALSE(file.ReadRow(row));
        std::remove(path.c_str());
    }
    BmpFile missing(TempFilePath("missing"));
    EXPECT_FALSE(missing.IsValid());
    BmpFile longName(std::string(300, 'x'));
    EXPECT_FALSE(longName.IsValid());
}

// The one text every reader of the author's picture files shows: the file, the reason and
// the kinds of files read. A version 5 header (ImageMagick's 32-bit default) is named.
TEST(PictureFileText, NamesTheFileTheReasonAndTheFilesRead) {
    const std::string deep = WriteTempFile(Version5Bmp(4, 2), "v5");
    EXPECT_EQ(deep + " cannot be read: its BMP header is 124 bytes long, and only the 40-byte header is read.\n" +
                  kPictureFilesRead,
              PictureFileProblem(deep));
    EXPECT_EQ(PictureFileProblem(deep), PictureNotReadText(deep));
    const std::string good = WriteTempFile(BmpBytes(EightBit()), "good");
    EXPECT_EQ("", PictureFileProblem(good));
    std::remove(deep.c_str());
    std::remove(good.c_str());
}

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "Quor2_5.h"

namespace {

const uint32_t BACK = 0x4B434142u;
const uint32_t BMAP = 0x50414D42u;

int32_t LastError() { return GetLastQuorError(nullptr); }

// A "BACK" asset's data (after its type word).
std::vector<uint8_t> Back(uint16_t flags, uint16_t columns, uint16_t rows, uint16_t cw, uint16_t ch,
                          std::vector<uint16_t> images) {
    std::vector<uint8_t> v;
    for (uint16_t x : {flags, columns, rows, cw, ch}) AppendLE16(v, x);
    for (uint16_t i : images) AppendLE16(v, i);
    return v;
}

// A raw 16-bit picture's data (after its type word).
std::vector<uint8_t> Picture(uint16_t w, uint16_t h, uint16_t colour, uint32_t pixelBytes = ~0u) {
    return SolidPictureData(w, h, colour, 0, pixelBytes);
}

class Stages : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        path_ = std::string(dir) + "vsl_stages_" + std::to_string(GetCurrentProcessId()) + ".ast";
    }
    void TearDown() override {
        for (int32_t s : stages_) DeleteStage(s);
        CloseAssetFile(QUOR_ALL_FILES);
        DeleteFileA(path_.c_str());
    }
    int32_t NewStage() {
        int32_t s = CreateStage(7);
        stages_.push_back(s);
        return s;
    }
    int32_t Open(const AssetFileBuilder& b) {
        std::vector<uint8_t> image = b.Build();
        HANDLE h = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n;
        WriteFile(h, image.data(), DWORD(image.size()), &n, nullptr);
        CloseHandle(h);
        return OpenAssetFile(path_.c_str());
    }
    std::string path_;
    std::vector<int32_t> stages_;
};

TEST_F(Stages, TheTableGrowsAndReusesSlots) {
    std::vector<int32_t> made;
    for (int i = 0; i < 9; ++i) made.push_back(CreateStage(i));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(made[i], i + 1);
    DeleteStage(2);
    EXPECT_EQ(LastError(), 0);
    EXPECT_EQ(CreateStage(0), 2) << "the first empty slot";
    for (int32_t s : made) DeleteStage(s);
    DeleteStage(2);
    int32_t detail = 0;
    EXPECT_EQ(GetLastQuorError(&detail), ErrBadStage);
    EXPECT_EQ(detail, 2);
    for (int32_t bad : {0, -1, 1000}) {
        DeleteStage(bad);
        EXPECT_EQ(LastError(), ErrBadStage) << bad;
        EXPECT_EQ(ClearStage(bad), 0);
        EXPECT_EQ(LastError(), ErrBadStage);
        EXPECT_EQ(SelectBackdrop(bad, 0xFF000000u), 0);
        EXPECT_EQ(LastError(), ErrBadStage);
    }
}

TEST_F(Stages, FadesAreLevelsFromZeroTo255) {
    int32_t s = NewStage();
    EXPECT_EQ(FadeStage(s, 0), 1);
    EXPECT_EQ(FadeStage(s, 255), 1);
    EXPECT_EQ(FadeStagesBackdrop(s, 128), 1);
    EXPECT_EQ(FadeStage(s, 256), 0);
    EXPECT_EQ(LastError(), ErrBadFadeLevel);
    EXPECT_EQ(FadeStagesBackdrop(s, -1), 0);
    EXPECT_EQ(LastError(), ErrBadFadeLevel);
    EXPECT_EQ(FadeStage(s + 50, 10), 0);
    EXPECT_EQ(LastError(), ErrBadStage);
    EXPECT_EQ(ClearStage(s), 1);
}

TEST_F(Stages, BackdropsOfEveryKindComeFromAssets) {
    AssetFileBuilder b;
    b.Add(BMAP, Picture(40, 30, 0x1234));                          // 1
    b.Add(BACK, Back(0, 1, 1, 40, 30, {1}));                        // 2 static
    b.Add(BACK, Back(0x8002, 3, 1, 40, 30, {1, 1, 1}));             // 3 strips, wrapping
    b.Add(BACK, Back(3, 1, 2, 40, 30, {1, 1}));                     // 4 vertical strips
    b.Add(BACK, Back(4, 4, 4, 16, 16, {}));                         // 5 tiles
    b.Add(BACK, Back(8, 320, 200, 9, 0, {}));                       // 6 movie
    b.Add(BACK, Back(5, 1, 1, 40, 30, {1}));                        // 7 unknown kind
    b.Add(BACK, {1, 0});                                            // 8 cut short
    b.Add(BACK, Back(2, 3, 1, 40, 30, {1}));                        // 9 list shorter than columns
    b.Add(BACK, Back(0, 0, 1, 40, 30, {1}));                        // 10 no columns
    b.Add(BACK, Back(0, 1, 1, 40, 30, {99}));                       // 11 image index past the file
    b.Add(BMAP, Picture(40, 30, 0, 100));                           // 12 pixel bytes too few
    b.Add(BACK, Back(0, 1, 1, 40, 30, {12}));                       // 13 static on that picture
    int32_t file = Open(b);
    ASSERT_NE(file, -1);
    const uint32_t f = uint32_t(file);
    int32_t s = NewStage();
    const uint32_t directory = 13 * 12;

    for (uint32_t good : {2u, 3u, 4u, 5u, 6u}) {
        EXPECT_EQ(SelectBackdrop(s, f | good), 1) << good << " " << std::hex << LastError();
        EXPECT_EQ(LastError(), 0);
    }
    EXPECT_EQ(PlayBackdropMovie(s, nullptr), 0) << "a movie without streaming never plays";
    EXPECT_EQ(PauseBackdropMovie(s), 0);

    struct Bad {
        uint32_t index;
        int32_t error;
    } bad[] = {{7, ErrUnknownBackdropKind}, {8, ErrReadFailed}, {9, ErrReadFailed}, {10, ErrReadFailed},
               {11, ErrBadAssetIndex},      {13, ErrReadFailed}, {14, ErrBadAssetIndex}};
    EXPECT_EQ(SelectBackdrop(s, f | 2), 1);
    const uint32_t inUse = GetAssetMemoryUsage(f);
    EXPECT_GT(inUse, directory) << "the static backdrop holds its assets";
    for (const Bad& x : bad) {
        EXPECT_EQ(SelectBackdrop(s, f | x.index), 0) << x.index;
        EXPECT_EQ(LastError(), x.error) << x.index;
        EXPECT_EQ(GetAssetMemoryUsage(f), inUse) << "a failed selection keeps the old backdrop, and "
                                                    "leaves nothing of its own loaded: " << x.index;
    }
    EXPECT_EQ(SelectBackdrop(s, 0x45000002u), 0) << "no such file";
    EXPECT_EQ(LastError(), ErrBadHandle);

    // Clearing drops the backdrop and everything it held.
    EXPECT_EQ(ClearStage(s), 1);
    EXPECT_EQ(GetAssetMemoryUsage(f), directory);

    // Closing the file empties the backdrops drawn from it, on every stage.
    int32_t t = NewStage();
    EXPECT_EQ(SelectBackdrop(s, f | 3), 1);
    EXPECT_EQ(SelectBackdrop(t, f | 2), 1);
    CloseAssetFile(QUOR_ALL_FILES);
    EXPECT_EQ(LastError(), 0);
    EXPECT_EQ(ClearStage(s), 1);
    EXPECT_EQ(ClearStage(t), 1);
}

int __stdcall DrawNothing(QuorBackdropDrawRequest*) { return 1; }

TEST_F(Stages, UserBackdropsHaveSixtyFourSlots) {
    HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
    std::vector<uint32_t> made;
    for (int i = 0; i < 64; ++i) {
        uint32_t h = i % 2 ? CreateBrushBackdrop(brush, 100, 50) : CreateOwnerDrawBackdrop(DrawNothing, 64, 64, 5);
        ASSERT_EQ(h, 0xFF000000u + uint32_t(i)) << i;
        made.push_back(h);
    }
    EXPECT_EQ(CreateBrushBackdrop(brush, 10, 10), 0u) << "the 65th is refused";

    int32_t s = NewStage(), t = NewStage();
    EXPECT_EQ(SelectBackdrop(s, made[1]), 1);
    EXPECT_EQ(SelectBackdrop(t, made[1]), 1);
    EXPECT_EQ(InvalidateOwnerDrawBackdropRect(made[2], nullptr), 1);
    EXPECT_EQ(DeleteUserBackdrop(made[1]), 1) << "two stages lose it at once";
    EXPECT_EQ(DeleteUserBackdrop(made[1]), 0) << "a freed slot is no longer a backdrop";
    EXPECT_EQ(LastError(), ErrBadUserBackdrop);
    EXPECT_EQ(SelectBackdrop(s, made[1]), 0);
    EXPECT_EQ(LastError(), ErrBadUserBackdrop);
    EXPECT_EQ(InvalidateOwnerDrawBackdropRect(made[1], nullptr), 0);
    EXPECT_EQ(LastError(), ErrBadUserBackdrop);
    for (uint32_t h : {0xFF000040u, 0xFEFFFFFFu, 0u}) {
        EXPECT_EQ(DeleteUserBackdrop(h), 0) << h;
        EXPECT_EQ(LastError(), ErrBadUserBackdrop);
    }
    EXPECT_EQ(CreateBrushBackdrop(brush, 10, 10), made[1]) << "the freed slot is used again";

    for (uint32_t h : made) DeleteUserBackdrop(h);
    EXPECT_EQ(CreateBrushBackdrop(brush, 0, 10), 0u) << "a world needs a size";
    EXPECT_EQ(CreateOwnerDrawBackdrop(nullptr, 10, 10, 0), 0u);
    EXPECT_EQ(LastError(), ErrNullArgument);
    DeleteObject(brush);
}

}  // namespace

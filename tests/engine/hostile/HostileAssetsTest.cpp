// Hostile pictures against the engine's exports while the frame thread draws them: each
// is refused with an error (or, in a sprite, leaves the sprite without a picture), the
// frame thread keeps running, and failed calls leave no asset loaded or locked. The
// generated files all run in a child process, so that a crash is a failure with the
// file's name rather than the end of this program.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "HostileAssets.h"
#include "HostileScene.h"
#include "ImageRecord.h"
#include "TempAssetFile.h"

namespace {

using namespace hostile;

int32_t LastError() { return GetLastQuorError(nullptr); }

class HostilePictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // A crash here is reported at once rather than left to a debugger.
        EndProcessOnFault([](const char* line) { std::fprintf(stderr, "%s\n", line); });
        RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");
    }
    void SetUp() override { ASSERT_TRUE(scene_.Ready()); }
    void TearDown() override {
        for (int32_t s : sprites_) DeleteSprite(s);
        sprites_.clear();
        scene_.Reset();
        CloseAssetFile(QUOR_ALL_FILES);
        if (!path_.empty()) DeleteFileA(path_.c_str());
        path_.clear();
    }
    uint32_t Open(const std::vector<uint8_t>& picture) {
        path_ = WriteTempAssetFile(FileAround(picture), "vsl_hostile_test");
        const int32_t file = OpenAssetFile(path_.c_str());
        EXPECT_NE(file, -1);
        return uint32_t(file);
    }
    // Selecting the backdrop fails with `error` and leaves every asset as it was.
    void ExpectRefused(uint32_t file, uint32_t backdrop, int32_t error) {
        const AssetCounts before = CountsOf(file, kAssetCount);
        EXPECT_EQ(SelectBackdrop(scene_.Stage(0), file | backdrop), 0);
        EXPECT_EQ(LastError(), error) << std::hex << LastError();
        EXPECT_TRUE(CountsOf(file, kAssetCount) == before);
    }
    // The picture as a sprite's frame: the sprite is made, without a picture to draw.
    void ExpectSpriteWithoutPicture(uint32_t file) {
        QuorImageBlock block;
        SpriteCreateRecord r = ImageSpriteRecord(block, file | kSprite, scene_.Stage(0));
        const int32_t sprite = CreateSprite(&r);
        ASSERT_NE(sprite, 0) << std::hex << LastError();
        sprites_.push_back(sprite);
        EXPECT_EQ(LastError(), 0);
        QuorAssetInfo info = {};
        GetAssetInfo(file | kPicture, &info);
        EXPECT_EQ(info.state, 0u) << "the picture is not kept";
    }

    HostileScene scene_;
    std::string path_;
    std::vector<int32_t> sprites_;
};

std::vector<uint8_t> LevelMask(uint16_t w, uint16_t h) {
    std::vector<uint8_t> v = PictureHeader(quor::KindLevelMask, 0, w, h, uint32_t(h) * quor::RowBytes(w, 1));
    v.resize(v.size() + size_t(h) * quor::RowBytes(w, 1), 0x80);
    return v;
}

TEST_F(HostilePictures, LevelMasksAreNoBackdropPictures) {
    const uint32_t file = Open(LevelMask(1024, 1024));
    ExpectRefused(file, kStaticBackdrop, ErrWrongKind);
    // Strips are locked as they are drawn: a level mask among them is skipped, down to
    // its last rows, which at two bytes a pixel lie far beyond its block.
    ASSERT_EQ(SelectBackdrop(scene_.Stage(1), file | kRowOfStrips), 1);
    EXPECT_TRUE(scene_.DrawAgain());
    const POINT nearTheEnd = {900, 900};
    ASSERT_EQ(PlaceCamera(scene_.Camera(1), &nearTheEnd), 1);
    EXPECT_TRUE(scene_.DrawAgain());
    EXPECT_TRUE(scene_.DrawAgain());
}

TEST_F(HostilePictures, PixelByteCountsThatWrapAtThirtyTwoBitsAreRefused) {
    // 65535 x 32768 pixels of two bytes are 2^32 bytes: 0 in 32 bits.
    for (uint32_t pixelBytes : {0u, 16u}) {
        std::vector<uint8_t> picture = PictureHeader(0, 0, 65535, 32768, pixelBytes);
        picture.resize(picture.size() + pixelBytes);
        const uint32_t file = Open(picture);
        ExpectRefused(file, kStaticBackdrop, ErrReadFailed);
        ExpectSpriteWithoutPicture(file);
        ASSERT_EQ(SelectBackdrop(scene_.Stage(1), file | kRowOfStrips), 1);
        EXPECT_TRUE(scene_.DrawAgain()) << pixelBytes;
        EXPECT_TRUE(scene_.DrawAgain()) << pixelBytes;
        TearDown();
    }
}

TEST_F(HostilePictures, EncodedPicturesOfWrappingSizeNeverReachTheDecoder) {
    // A ZORUDOR coding of one long run that would fill far more than any buffer.
    std::vector<uint8_t> picture = PictureHeader(8, 1, 65535, 32768, 8);
    const uint8_t run[] = {'Z', 'R', 'D', '1', 0xFF, 0xFF, 0x34, 0x12};
    picture.insert(picture.end(), run, run + sizeof run);
    const uint32_t file = Open(picture);
    ExpectRefused(file, kStaticBackdrop, ErrOutOfMemory);
    ExpectSpriteWithoutPicture(file);
    EXPECT_TRUE(scene_.DrawAgain());

    auto decode = reinterpret_cast<QuorDecodeService>(GetServiceAddress(QuorServiceDecode));
    const void* record = DereferenceAndLockAsset(file | kPicture);
    ASSERT_NE(record, nullptr);
    std::vector<uint8_t> out(64 + 64, 0xA5);
    EXPECT_EQ(decode(out.data(), 64, record), 0);
    for (size_t k = 0; k < out.size(); ++k) ASSERT_EQ(out[k], 0xA5) << k;
    ReleaseAsset(file | kPicture);
}

TEST_F(HostilePictures, AssetsThatAreNoColourListAreGivenBack) {
    std::vector<uint8_t> picture = PictureHeader(0, 0, 4, 2, 16);
    picture.resize(picture.size() + 16, 0xFF);  // a count of 0xFFFF where a list keeps it
    picture[0] = picture[1] = 0xFF;
    const uint32_t file = Open(picture);
    const AssetCounts before = CountsOf(file, kAssetCount);
    // The picture, read as a colour list, claims 65535 colours.
    EXPECT_EQ(LoadColorXlateTable(file | kPicture), nullptr);
    EXPECT_EQ(LastError(), ErrReadFailed);
    EXPECT_TRUE(CountsOf(file, kAssetCount) == before);
    // The backdrop, read as one, holds none: fewer than the palette asks for.
    for (uint32_t asset : {uint32_t(kPicture), uint32_t(kStaticBackdrop)}) {
        EXPECT_EQ(LoadCurrentPalette(2, file | asset), 0);
        EXPECT_EQ(LastError(), asset == kPicture ? ErrReadFailed : ErrBadXlateRange);
        EXPECT_TRUE(CountsOf(file, kAssetCount) == before) << "palette from asset " << asset;
    }
    QuorAssetInfo info = {};
    GetAssetInfo(file | kPicture, &info);
    EXPECT_EQ(info.state, 0u);
}

// The child's log: one "case N name" line before each file, "FAIL ..." after a failed
// check, "done N" at the end.
struct ChildRun {
    DWORD exitCode = 99;
    std::vector<std::string> lines;
};

ChildRun RunChild(size_t first) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe);
    folder.resize(folder.find_last_of('\\') + 1);
    const std::string runner = folder + "hostile_asset_runner.exe";
    const std::string log = WriteTempAssetFile({}, "vsl_hostile_log");
    std::string command = "\"" + runner + "\" " + std::to_string(first) + " \"" + log + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ChildRun run;
    if (CreateProcessA(runner.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, 240000) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 98);
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) run.lines.push_back(line);
    DeleteFileA(log.c_str());
    return run;
}

TEST(HostileAssetFiles, NoneCrashesTheEngineOrLeavesItWrong) {
    const size_t total = HostileAssetFiles().size();
    ASSERT_GT(total, 500u);
    size_t first = 0;
    // A crash ends the child: it is reported with its file, and the run goes on after it.
    for (int restarts = 0; restarts < 10 && first < total; ++restarts) {
        ChildRun run = RunChild(first);
        std::string current = "(before the first case)";
        size_t next = total;
        for (const std::string& line : run.lines) {
            if (line.rfind("case ", 0) == 0) {
                current = line;
                next = std::stoul(line.substr(5)) + 1;
            }
            if (line.rfind("FAIL ", 0) == 0) ADD_FAILURE() << current << ": " << line.substr(5);
        }
        const bool done = !run.lines.empty() && run.lines.back().rfind("done ", 0) == 0;
        if (done) return;
        ADD_FAILURE() << "the engine died (exit code 0x" << std::hex << run.exitCode << ") on " << current;
        if (next <= first) return;  // nothing ran: the runner itself cannot start
        first = next;
    }
}

}  // namespace

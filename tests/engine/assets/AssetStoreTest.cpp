#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "Quor2_5.h"

namespace {

const uint32_t BMAP = 0x50414D42u;
const uint32_t WAVE = 0x45564157u;
const uint32_t SPRT = 0x54525053u;

int32_t LastError() { return GetLastQuorError(nullptr); }

std::vector<uint8_t> Bytes(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v) b = uint8_t(rng());
    return v;
}

class AssetStore : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        dir_ = std::string(dir) + "vsl_assets_" + std::to_string(GetCurrentProcessId()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    void TearDown() override {
        CloseAssetFile(QUOR_ALL_FILES);
        for (const std::string& f : files_) DeleteFileA(f.c_str());
        RemoveDirectoryA(dir_.c_str());
    }
    std::string Write(const std::vector<uint8_t>& image, const char* name = "a.ast") {
        std::string path = dir_ + "\\" + name;
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        if (!image.empty()) WriteFile(h, image.data(), DWORD(image.size()), &written, nullptr);
        CloseHandle(h);
        files_.push_back(path);
        return path;
    }
    int32_t Open(const std::vector<uint8_t>& image, const char* name = "a.ast") {
        return OpenAssetFile(Write(image, name).c_str());
    }
    QuorAssetInfo Info(uint32_t asset) {
        QuorAssetInfo info;
        EXPECT_EQ(GetAssetInfo(asset, &info), 1);
        return info;
    }

    std::string dir_;
    std::vector<std::string> files_;
};

TEST_F(AssetStore, AssetsReadBackAsWritten) {
    AssetFileBuilder b;
    std::vector<std::vector<uint8_t>> data;
    for (uint32_t i = 0; i < 7; ++i) {
        data.push_back(Bytes(i * 37 + (i == 3 ? 0 : 1), i));
        b.Add(i % 2 ? BMAP : WAVE, data.back(), 0x100 + i);
    }
    int32_t file = Open(b.Build());
    ASSERT_NE(file, -1) << std::hex << LastError();
    EXPECT_EQ(GetNumberOfAssets(file), 7u);
    for (uint32_t i = 0; i < 7; ++i) {
        uint32_t asset = uint32_t(file) | (i + 1);
        QuorAssetInfo info = Info(asset);
        EXPECT_EQ(info.state, 0u);
        EXPECT_EQ(info.info, 0x100 + i);
        EXPECT_EQ(info.type, i % 2 ? BMAP : WAVE);
        EXPECT_EQ(info.dataSize, data[i].size());
        auto* p = static_cast<const uint8_t*>(DereferenceAndLockAsset(asset));
        ASSERT_NE(p, nullptr) << std::hex << LastError();
        uint32_t type;
        std::memcpy(&type, p, 4);
        EXPECT_EQ(type, i % 2 ? BMAP : WAVE);
        EXPECT_TRUE(data[i].empty() || std::memcmp(p + 4, data[i].data(), data[i].size()) == 0);
        info = Info(asset);
        EXPECT_EQ(info.state, 3u);
        EXPECT_EQ(info.loadCount, 0);
        EXPECT_EQ(info.lockCount, 1);
        EXPECT_EQ(ReleaseAsset(asset), 1);
        EXPECT_EQ(Info(asset).state, 0u) << "the lock alone held it";
    }
}

TEST_F(AssetStore, LoadAndLockCountsDecideWhenABlockGoes) {
    AssetFileBuilder b;
    for (int i = 0; i < 10; ++i) b.Add(SPRT, Bytes(100, i));
    int32_t file = Open(b.Build());
    ASSERT_NE(file, -1);
    EXPECT_EQ(GetAssetMemoryUsage(file), 120u) << "12 bytes of directory per asset";
    uint32_t a = uint32_t(file) | 1;

    // load, lock, release keeps it loaded
    EXPECT_EQ(LoadAsset(a, 0), 1);
    EXPECT_EQ(GetAssetMemoryUsage(file), 120u + 120u);
    ASSERT_NE(DereferenceAndLockAsset(a), nullptr);
    EXPECT_EQ(ReleaseAsset(a), 1);
    EXPECT_EQ(Info(a).state, 3u);
    // load, lock, unload keeps it until the release
    ASSERT_NE(DereferenceAndLockAsset(a), nullptr);
    EXPECT_EQ(UnloadAsset(a), 0);
    EXPECT_EQ(Info(a).state, 3u);
    EXPECT_EQ(ReleaseAsset(a), 1);
    EXPECT_EQ(Info(a).state, 0u);
    EXPECT_EQ(GetAssetMemoryUsage(file), 120u);

    // Not loaded: release and unload fail and say so.
    EXPECT_EQ(ReleaseAsset(a), 0);
    EXPECT_EQ(LastError(), ErrBadAssetIndex);
    EXPECT_EQ(UnloadAsset(a), 0);
    EXPECT_EQ(LastError(), ErrBadAssetIndex);

    // A flush frees unlocked blocks whatever their load count, and keeps locked ones.
    uint32_t c = uint32_t(file) | 3;
    for (int i = 0; i < 3; ++i) LoadAsset(a, 0);
    EXPECT_EQ(Info(a).loadCount, 3);
    ASSERT_NE(DereferenceAndLockAsset(c), nullptr);
    EXPECT_EQ(FlushUnlockedAssets(file), 1);
    EXPECT_EQ(Info(a).state, 0u);
    EXPECT_EQ(Info(c).state, 3u);
    EXPECT_EQ(GetAssetMemoryUsage(QUOR_ALL_FILES), 120u + 120u);
    EXPECT_EQ(ReleaseAsset(c), 1);
}

TEST_F(AssetStore, AssetIndexesAreChecked) {
    AssetFileBuilder b;
    for (int i = 0; i < 4; ++i) b.Add(BMAP, Bytes(8, i));
    int32_t file = Open(b.Build());
    ASSERT_NE(file, -1);
    int32_t detail = 0;
    for (uint32_t index : {0u, 5u, 0xFFFFFFu}) {
        uint32_t a = uint32_t(file) | index;
        EXPECT_EQ(LoadAsset(a, 0), 0);
        EXPECT_EQ(GetLastQuorError(&detail), ErrBadAssetIndex);
        EXPECT_EQ(uint32_t(detail), a);
        EXPECT_EQ(DereferenceAndLockAsset(a), nullptr);
        EXPECT_EQ(LastError(), ErrBadAssetIndex);
        EXPECT_EQ(ReleaseAsset(a), 0);
        EXPECT_EQ(LastError(), ErrBadAssetIndex);
        EXPECT_EQ(UnloadAsset(a), 0);
        EXPECT_EQ(LastError(), ErrBadAssetIndex);
        QuorAssetInfo info;
        EXPECT_EQ(GetAssetInfo(a, &info), 0);
        EXPECT_EQ(LastError(), ErrBadAssetIndex);
    }
    EXPECT_EQ(LoadAsset(uint32_t(file) | 4, 0), 1) << "the last index is valid";
    EXPECT_EQ(LastError(), 0) << "a good call clears the error";
    EXPECT_EQ(GetAssetInfo(uint32_t(file) | 4, nullptr), 0);
}

TEST_F(AssetStore, DeadFileHandlesAreRefused) {
    int32_t detail = 0;
    const uint32_t dead = 0x7A000000u;
    EXPECT_EQ(GetNumberOfAssets(dead), 0u);
    EXPECT_EQ(GetLastQuorError(&detail), ErrBadHandle);
    EXPECT_EQ(uint32_t(detail), dead);
    EXPECT_EQ(DereferenceAndLockAsset(dead | 1), nullptr);
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(LoadAsset(0xFF000001u, 1), 0) << "slot 255 is never a file";
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(OpenAutostreamAsset(dead | 1, 0), 0);
    EXPECT_EQ(LastError(), ErrBadHandle);
    CloseAssetFile(dead);
    EXPECT_EQ(LastError(), ErrBadHandle);
    EXPECT_EQ(GetAssetMemoryUsage(dead), 0u);
    EXPECT_EQ(FlushUnlockedAssets(dead), 1) << "a free slot changes nothing";
    EXPECT_EQ(FlushUnlockedAssets(0xFF000000u), 0);

    int32_t file = Open(AssetFileBuilder().Add(BMAP, Bytes(4, 1)).Build());
    ASSERT_NE(file, -1);
    EXPECT_EQ(OpenAutostreamAsset(uint32_t(file) | 1, 0), 0) << "streaming is not provided";
    EXPECT_EQ(LastError(), 0);
}

TEST_F(AssetStore, UserInfoIsCopiedUpToTheBufferSize) {
    std::vector<uint8_t> info = Bytes(20, 9);
    int32_t file = Open(AssetFileBuilder().Add(BMAP, Bytes(4, 1)).UserInfo(info).Build());
    ASSERT_NE(file, -1);
    uint8_t buffer[32] = {};
    uint32_t size = 10;
    EXPECT_EQ(GetAssetFileUserInfo(file, buffer, &size), 0);
    EXPECT_EQ(LastError(), ErrBufferTooSmall);
    EXPECT_EQ(size, 20u);
    EXPECT_EQ(std::memcmp(buffer, info.data(), 10), 0);
    EXPECT_EQ(buffer[10], 0) << "nothing beyond the buffer size";
    size = 32;
    EXPECT_EQ(GetAssetFileUserInfo(file, buffer, &size), 1);
    EXPECT_EQ(std::memcmp(buffer, info.data(), 20), 0);
    size = 0;
    EXPECT_EQ(GetAssetFileUserInfo(file, nullptr, &size), 1);
    EXPECT_EQ(size, 20u);
    EXPECT_EQ(GetAssetFileUserInfo(file, buffer, nullptr), 0);
    EXPECT_EQ(LastError(), ErrNullArgument);
}

TEST_F(AssetStore, DamagedFilesAreRefusedWithoutReadingPastThem) {
    std::vector<uint8_t> good = AssetFileBuilder().Add(BMAP, Bytes(64, 1)).Add(WAVE, Bytes(64, 2)).Build();

    EXPECT_EQ(OpenAssetFile((dir_ + "\\missing.ast").c_str()), -1);
    EXPECT_EQ(LastError(), ErrOpenFailed);

    std::vector<uint8_t> bad = good;
    bad[0] = 'X';
    EXPECT_EQ(Open(bad, "magic.ast"), -1);
    EXPECT_EQ(LastError(), ErrBadMagic);

    for (size_t cut : {0u, 3u, 15u, 20u}) {
        std::vector<uint8_t> truncated(good.begin(), good.begin() + cut);
        EXPECT_EQ(Open(truncated, ("short" + std::to_string(cut) + ".ast").c_str()), -1) << cut;
        EXPECT_EQ(LastError(), ErrReadFailed) << cut;
    }

    // Counts whose directory would run past the end (the second wraps 32-bit arithmetic).
    for (uint32_t count : {0x10000000u, 0x1FFFFFFEu, 0xFFFFFFFFu}) {
        bad = good;
        AssetFileBuilder::Put(bad, 4, count);
        EXPECT_EQ(Open(bad, ("count" + std::to_string(count) + ".ast").c_str()), -1) << count;
        EXPECT_EQ(LastError(), ErrReadFailed) << count;
    }

    // Damage inside an asset shows when the asset is loaded; the file stays usable.
    const uint32_t second = AssetFileBuilder::AssetOffset(good, 1);
    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        int32_t error;
    } cases[] = {
        {"offset past the end", 24, uint32_t(good.size()) + 100, ErrReadFailed},
        {"offset at the last bytes", 24, uint32_t(good.size()) - 4, ErrReadFailed},
        {"size past the end", second + 4, 65, ErrReadFailed},
        {"huge size", second + 4, 0xFFFFFFF0u, ErrReadFailed},
        {"slot byte 0x20 names decoder 0", second + 8, 0x20000010u, ErrNoDecoder},
        {"empty decoder slot", second + 8, 0x0F000010u, ErrNoDecoder},
        {"stored size past the end", second + 8, 0x0F0000FFu, ErrReadFailed},
    };
    for (const Case& c : cases) {
        bad = good;
        AssetFileBuilder::Put(bad, c.at, c.value);
        int32_t file = Open(bad, "inner.ast");
        ASSERT_NE(file, -1) << c.what;
        EXPECT_EQ(LoadAsset(uint32_t(file) | 2, 0), 0) << c.what;
        EXPECT_EQ(LastError(), c.error) << c.what;
        EXPECT_EQ(DereferenceAndLockAsset(uint32_t(file) | 2), nullptr) << c.what;
        EXPECT_EQ(Info(uint32_t(file) | 1).state, 0u);
        EXPECT_NE(DereferenceAndLockAsset(uint32_t(file) | 1), nullptr) << c.what;
        EXPECT_EQ(GetAssetMemoryUsage(file), 24u + 64u + 20u) << "nothing left of the failed load";
        CloseAssetFile(uint32_t(file));
    }

    bad = good;
    AssetFileBuilder::Put(bad, 12, uint32_t(good.size()) - 5);  // user info runs off the end
    AssetFileBuilder::Put(bad, 8, 10);
    int32_t file = Open(bad, "info.ast");
    ASSERT_NE(file, -1);
    uint8_t buffer[16];
    uint32_t size = sizeof buffer;
    EXPECT_EQ(GetAssetFileUserInfo(file, buffer, &size), 0);
    EXPECT_EQ(LastError(), ErrReadFailed);
}

TEST_F(AssetStore, LargeDirectoriesAreReadInChunks) {
    // 2049 and 5000 entries need one and two refills of the directory buffer; the data
    // after the directory is far smaller than a buffer.
    for (uint32_t count : {2049u, 5000u}) {
        AssetFileBuilder b;
        for (uint32_t i = 0; i < count; ++i) b.Add(WAVE, {uint8_t(i), uint8_t(i >> 8)}, i);
        int32_t file = Open(b.Build(), "big.ast");
        ASSERT_NE(file, -1) << count << " " << std::hex << LastError();
        ASSERT_EQ(GetNumberOfAssets(file), count);
        for (uint32_t i : {0u, 2047u, 2048u, 4095u, 4096u, count - 1}) {
            if (i >= count) continue;
            uint32_t asset = uint32_t(file) | (i + 1);
            EXPECT_EQ(Info(asset).info, i);
            auto* p = static_cast<const uint8_t*>(DereferenceAndLockAsset(asset));
            ASSERT_NE(p, nullptr) << i;
            EXPECT_EQ(p[4], uint8_t(i));
            EXPECT_EQ(p[5], uint8_t(i >> 8));
            ReleaseAsset(asset);
        }
        CloseAssetFile(uint32_t(file));
    }
}

TEST_F(AssetStore, SlotsRunOutAtTwoHundredFiftyFive) {
    std::string path = Write(AssetFileBuilder().Add(BMAP, Bytes(16, 3)).Build());
    std::vector<int32_t> handles;
    for (int i = 0; i < 255; ++i) {
        int32_t h = OpenAssetFile(path.c_str());
        ASSERT_NE(h, -1) << i;
        handles.push_back(h);
    }
    EXPECT_EQ(OpenAssetFile(path.c_str()), -1);
    EXPECT_EQ(LastError(), ErrTooManyAssetFiles);
    for (int32_t h : handles) ASSERT_LT(uint32_t(h) >> 24, 255u);

    // Closing one frees its slot; the next open finds it.
    CloseAssetFile(uint32_t(handles[100]));
    int32_t again = OpenAssetFile(path.c_str());
    EXPECT_EQ(again, handles[100]);

    CloseAssetFile(QUOR_ALL_FILES);
    EXPECT_EQ(GetAssetMemoryUsage(QUOR_ALL_FILES), 0u);
    EXPECT_EQ(GetNumberOfAssets(uint32_t(handles[0])), 0u);
    EXPECT_EQ(LastError(), ErrBadHandle);
}

TEST_F(AssetStore, TheCursorMovesOnAfterAClose) {
    std::string path = Write(AssetFileBuilder().Add(BMAP, Bytes(16, 3)).Build());
    int32_t first = OpenAssetFile(path.c_str());
    ASSERT_NE(first, -1);
    CloseAssetFile(uint32_t(first));
    int32_t second = OpenAssetFile(path.c_str());
    EXPECT_EQ(uint32_t(second) >> 24, ((uint32_t(first) >> 24) + 1) % 255);
}

TEST_F(AssetStore, BackgroundLoadsCanBeLockedAndCancelled) {
    AssetFileBuilder b;
    for (int i = 0; i < 40; ++i) b.Add(BMAP, Bytes(200000, i));
    int32_t file = Open(b.Build());
    ASSERT_NE(file, -1);
    uint32_t a = uint32_t(file) | 1;
    EXPECT_EQ(LoadAsset(a, 1), 1);
    // Bounded generously: a busy machine runs the loader's thread late.
    for (const DWORD start = GetTickCount(); Info(a).state != 3 && GetTickCount() - start < 20000;) Sleep(10);
    QuorAssetInfo info = Info(a);
    ASSERT_EQ(info.state, 3u);
    EXPECT_EQ(info.loadCount, 1);
    auto* p = static_cast<const uint8_t*>(DereferenceAndLockAsset(a));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::memcmp(p + 4, Bytes(200000, 0).data(), 200000), 0);
    EXPECT_EQ(Info(a).lockCount, 1);
    EXPECT_EQ(Info(a).loadCount, 1);
    ReleaseAsset(a);
    UnloadAsset(a);

    // Two requests for one asset load it twice.
    uint32_t twice = uint32_t(file) | 2;
    LoadAsset(twice, 1);
    LoadAsset(twice, 1);
    // A burst of requests; the last ones are unloaded while queued or just loaded:
    // either way the unload succeeds and nothing stays loaded.
    for (uint32_t i = 3; i <= 40; ++i) LoadAsset(uint32_t(file) | i, 1);
    for (uint32_t i = 30; i <= 40; ++i) EXPECT_EQ(UnloadAsset(uint32_t(file) | i), 1) << i;
    for (const DWORD start = GetTickCount(); Info(uint32_t(file) | 29).state != 3 && GetTickCount() - start < 20000;)
        Sleep(10);
    Sleep(50);
    EXPECT_EQ(Info(twice).loadCount, 2);
    for (uint32_t i = 30; i <= 40; ++i) EXPECT_EQ(Info(uint32_t(file) | i).state, 0u) << i;

    // A request queued for a bad index is dropped by the loader.
    EXPECT_EQ(LoadAsset(uint32_t(file) | 77, 1), 1);
    // Closing a file with requests still queued drops them.
    for (uint32_t i = 3; i <= 40; ++i) LoadAsset(uint32_t(file) | i, 1);
    CloseAssetFile(uint32_t(file));
    EXPECT_EQ(LastError(), 0);
}

TEST_F(AssetStore, CompressedAssetsGoThroughTheirDiskDecoder) {
    std::vector<uint8_t> plain(5000, 7);
    for (size_t i = 0; i < plain.size(); i += 97) plain[i] = uint8_t(i);
    std::vector<uint8_t> packed = RunLengthEncode(plain);
    ASSERT_LT(packed.size(), plain.size());
    AssetFileBuilder b;
    b.AddCompressed(BMAP, plain, packed, 5).AddCompressed(BMAP, plain, packed, 6);
    b.AddCompressed(BMAP, plain, packed, 0xF5);  // the low four bits name the decoder
    std::vector<uint8_t> image = b.Build();
    int32_t file = Open(image);
    ASSERT_NE(file, -1);

    const uint32_t DISK = 0x4B534944u;
    EXPECT_EQ(LoadAsset(uint32_t(file) | 1, 0), 0);
    EXPECT_EQ(LastError(), ErrNoDecoder);

    EXPECT_EQ(RegisterDecoder(DISK, 16, "TESTDISK.DLL"), 0);
    EXPECT_EQ(LastError(), ErrBadDecoderSlot);
    EXPECT_EQ(RegisterDecoder(DISK, 5, "NOSUCHDECODER.DLL"), 0);
    EXPECT_EQ(LastError(), ErrLoadLibraryFailed);
    EXPECT_EQ(RegisterDecoder(DISK, 5, "BLIT16.DLL"), 0);
    EXPECT_EQ(LastError(), ErrWrongPluginType);
    EXPECT_EQ(RegisterDecoder(0x12345678u, 5, "TESTDISK.DLL"), 0);
    EXPECT_EQ(LastError(), ErrBadType);
    ASSERT_EQ(RegisterDecoder(DISK, 0x105, "TESTDISK.DLL"), 1) << "the slot is the low byte";
    EXPECT_EQ(RegisterDecoder(DISK, 5, "TESTDISK.DLL"), 0);
    EXPECT_EQ(LastError(), ErrDecoderSlotTaken);

    auto* p = static_cast<const uint8_t*>(DereferenceAndLockAsset(uint32_t(file) | 1));
    ASSERT_NE(p, nullptr) << std::hex << LastError();
    EXPECT_EQ(std::memcmp(p + 4, plain.data(), plain.size()), 0);
    QuorAssetInfo info = Info(uint32_t(file) | 1);
    EXPECT_EQ(info.dataSize, plain.size());
    p = static_cast<const uint8_t*>(DereferenceAndLockAsset(uint32_t(file) | 3));
    ASSERT_NE(p, nullptr) << std::hex << LastError();
    EXPECT_EQ(std::memcmp(p + 4, plain.data(), plain.size()), 0);

    // The decoder must produce exactly the data size: a stored form that is short fails.
    CloseAssetFile(uint32_t(file));
    AssetFileBuilder::Put(image, AssetFileBuilder::AssetOffset(image, 0) + 4, 6000);
    file = Open(image, "short.ast");
    ASSERT_NE(file, -1);
    EXPECT_EQ(LoadAsset(uint32_t(file) | 1, 0), 0);
    EXPECT_EQ(LastError(), ErrReadFailed);
    EXPECT_EQ(GetAssetMemoryUsage(file), 36u);
    EXPECT_EQ(LoadAsset(uint32_t(file) | 2, 0), 0) << "slot 6 has no decoder";
    EXPECT_EQ(LastError(), ErrNoDecoder);
}

}  // namespace

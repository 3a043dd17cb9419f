// The asset container's checks without the platform: the header, the directory and each
// asset's header against the length of the file, including the counts and sizes whose
// sums pass 32 bits.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ContainerLayout.h"

namespace {

class Bytes : public ContainerSource {
public:
    explicit Bytes(std::vector<uint32_t> words) : words_(std::move(words)) {}
    uint64_t Size() const override { return words_.size() * 4; }
    QUORERRS ReadAt(uint64_t offset, void* buffer, uint32_t bytes) override {
        if (offset + bytes > Size()) return ErrReadFailed;
        std::memcpy(buffer, reinterpret_cast<const uint8_t*>(words_.data()) + offset, bytes);
        return QuorOk;
    }

private:
    std::vector<uint32_t> words_;
};

const uint32_t kQuor = 0x524F5551u;

// Two assets: 4 bytes of raw data, then 2 bytes stored for 100 through DISK decoder 5 (the
// file ends 2 bytes after them).
std::vector<uint32_t> TwoAssets() {
    return {kQuor, 2, 0, 0, 32, 7, 48, 8, 0x41414141, 4, 4, 0xDDCCBBAA, 0x42424242, 100, 0x15000002, 0x1111};
}

TEST(ContainerLayout, ReadsTheHeaderAndTheDirectory) {
    Bytes file(TwoAssets());
    ContainerHeader header;
    ASSERT_EQ(ReadContainerHeader(file, header), QuorOk);
    EXPECT_EQ(header.count, 2u);
    std::vector<ContainerEntry> entries(2);
    std::vector<uint8_t> chunk(kDirectoryChunkBytes);
    ASSERT_EQ(ReadContainerDirectory(file, 2, chunk.data(), [&](uint32_t i, ContainerEntry e) { entries[i] = e; }),
              QuorOk);
    EXPECT_EQ(entries[1].offset, 48u);
    EXPECT_EQ(entries[1].info, 8u);

    AssetExtent raw, packed;
    ASSERT_EQ(ReadAssetExtent(file, 32, raw), QuorOk);
    EXPECT_EQ(raw.dataSize, 4u);
    EXPECT_EQ(raw.slotByte, 0u);
    EXPECT_EQ(raw.dataStart, 44u);
    ASSERT_EQ(ReadAssetExtent(file, 48, packed), QuorOk);
    EXPECT_EQ(packed.dataSize, 100u);  // only the stored bytes need be in the file
    EXPECT_EQ(packed.stored, 2u);
    EXPECT_EQ(packed.slotByte, 0x15u);
}

TEST(ContainerLayout, RefusesWhatDoesNotFitTheFile) {
    ContainerHeader header;
    AssetExtent x;
    Bytes shortFile({kQuor, 0});
    EXPECT_EQ(ReadContainerHeader(shortFile, header), ErrReadFailed);
    Bytes wrongMagic({0x51554F52u, 0, 0, 0});
    EXPECT_EQ(ReadContainerHeader(wrongMagic, header), ErrBadMagic);
    // 0x20000000 entries of 8 bytes make 4 GB: the directory's end wraps in 32 bits.
    Bytes hugeCount({kQuor, 0x20000000u, 0, 0});
    EXPECT_EQ(ReadContainerHeader(hugeCount, header), ErrReadFailed);

    std::vector<uint32_t> words = TwoAssets();
    words[9] = 0xFFFFFFF8u;  // a data size that wraps the offset past the file's end
    Bytes wrapping(words);
    EXPECT_EQ(ReadAssetExtent(wrapping, 32, x), ErrReadFailed);
    words = TwoAssets();
    words[14] = 0x15000005;  // one stored byte more than the file has
    Bytes cut(words);
    EXPECT_EQ(ReadAssetExtent(cut, 48, x), ErrReadFailed);
    EXPECT_EQ(ReadAssetExtent(cut, 0xFFFFFFF0u, x), ErrReadFailed);
}

}  // namespace

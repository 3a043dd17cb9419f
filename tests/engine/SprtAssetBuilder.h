// Builds SPRT asset data for the tests: frames, and sequences that list frames by index.
#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

struct SprtFrameSpec {
    uint32_t picture = 1;
    int32_t x = 0, y = 0;
    int16_t moveX = 0, moveY = 0, moveDepthLow = 0, moveDepthHigh = 0;
    uint32_t hold = 1;
    uint32_t sound = 0;
};

class SprtAssetBuilder {
public:
    SprtAssetBuilder& Frame(const SprtFrameSpec& f) {
        frames_.push_back(f);
        return *this;
    }
    SprtAssetBuilder& Sequence(std::vector<uint32_t> frameIndexes) {
        sequences_.push_back(std::move(frameIndexes));
        return *this;
    }

    // The asset from its type word on: header, sequence table, sequences, frame table,
    // frame records. Offsets count from the type word.
    std::vector<uint8_t> Build() const {
        std::vector<uint8_t> v(24, 0);
        std::memcpy(v.data(), "SPRT", 4);
        const uint32_t sequenceTable = 24;
        uint32_t at = sequenceTable + 4 * uint32_t(sequences_.size());
        std::vector<uint32_t> sequenceAt;
        for (const auto& s : sequences_) {
            sequenceAt.push_back(at);
            at += 4 + 4 * uint32_t(s.size());
        }
        const uint32_t frameTable = at;
        const uint32_t firstRecord = frameTable + 4 * uint32_t(frames_.size());
        Set(v, 8, uint32_t(sequences_.size()));
        Set(v, 12, sequenceTable);
        Set(v, 16, uint32_t(frames_.size()));
        Set(v, 20, frameTable);
        for (uint32_t a : sequenceAt) Add(v, a);
        for (const auto& s : sequences_) {
            Add(v, uint32_t(s.size()));
            for (uint32_t i : s) Add(v, firstRecord + 32 * i);
        }
        for (size_t i = 0; i < frames_.size(); ++i) Add(v, firstRecord + 32 * uint32_t(i));
        for (const auto& f : frames_) AddRecord(v, f);
        return v;
    }
    // The same sprite as the asset writer lays it out: no frame table (count 0, offset 0),
    // and each sequence followed by its own copies of its frame records.
    std::vector<uint8_t> BuildWriterLayout() const {
        std::vector<uint8_t> v(24, 0);
        std::memcpy(v.data(), "SPRT", 4);
        Set(v, 8, uint32_t(sequences_.size()));
        Set(v, 12, 24);
        uint32_t at = 24 + 4 * uint32_t(sequences_.size());
        for (const auto& s : sequences_) {
            Add(v, at);
            at += 4 + 36 * uint32_t(s.size());
        }
        for (const auto& s : sequences_) {
            const uint32_t firstRecord = uint32_t(v.size()) + 4 + 4 * uint32_t(s.size());
            Add(v, uint32_t(s.size()));
            for (uint32_t k = 0; k < s.size(); ++k) Add(v, firstRecord + 32 * k);
            for (uint32_t i : s) AddRecord(v, frames_[i]);
        }
        return v;
    }
    // The same without its type word, as an asset file stores the data.
    std::vector<uint8_t> BuildData(bool writerLayout = false) const {
        std::vector<uint8_t> v = writerLayout ? BuildWriterLayout() : Build();
        return std::vector<uint8_t>(v.begin() + 4, v.end());
    }

    static void Set(std::vector<uint8_t>& v, size_t at, uint32_t x) { std::memcpy(&v[at], &x, 4); }
    static uint32_t Get(const std::vector<uint8_t>& v, size_t at) {
        uint32_t x;
        std::memcpy(&x, &v[at], 4);
        return x;
    }

private:
    static void AddRecord(std::vector<uint8_t>& v, const SprtFrameSpec& f) {
        Add(v, f.picture);
        Add(v, 0);
        Add(v, uint32_t(f.x));
        Add(v, uint32_t(f.y));
        Add(v, uint32_t(uint16_t(f.moveX)) | uint32_t(uint16_t(f.moveY)) << 16);
        Add(v, uint32_t(uint16_t(f.moveDepthLow)) | uint32_t(uint16_t(f.moveDepthHigh)) << 16);
        Add(v, f.hold);
        Add(v, f.sound);
    }
    static void Add(std::vector<uint8_t>& v, uint32_t x) {
        for (int i = 0; i < 4; ++i) v.push_back(uint8_t(x >> (8 * i)));
    }
    std::vector<SprtFrameSpec> frames_;
    std::vector<std::vector<uint32_t>> sequences_;
};

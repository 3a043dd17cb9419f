#include "SprtAsset.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

namespace quor {

namespace {

uint32_t Word(const uint8_t* p, size_t offset) {
    uint32_t v;
    std::memcpy(&v, p + offset, 4);
    return v;
}
void SetWord(uint8_t* p, size_t offset, uint32_t v) { std::memcpy(p + offset, &v, 4); }

}  // namespace

bool CheckSprt(const uint8_t* data, size_t size, uint32_t bias, uint32_t assetCount) {
    if (!data || size < kSprtHeaderBytes || Word(data, 0) != kSprtType) return false;
    // A block of `bytes` at `offset`, after the header and inside the data.
    auto inside = [size](uint64_t offset, uint64_t bytes) {
        return offset >= kSprtHeaderBytes && offset + bytes <= size;
    };
    // A table of `count` words: an empty one is never read, wherever its offset points.
    auto tableInside = [&inside](uint64_t offset, uint32_t count) {
        return count == 0 || inside(offset, uint64_t(count) * 4);
    };
    std::vector<uint64_t> rewritten;  // positions of the words the fix-up changes
    std::vector<uint64_t> lengths;    // positions of the sequences' length words
    std::vector<uint64_t> records;    // offsets of frame records
    auto frameAt = [&](uint64_t position) {
        rewritten.push_back(position);
        const uint32_t record = Word(data, size_t(position)) - bias;
        if (!inside(record, sizeof(SprtFrame))) return false;
        records.push_back(record);
        return true;
    };

    const uint32_t sequences = Word(data, 8), sequenceTable = Word(data, 12) - bias;
    const uint32_t frames = Word(data, 16), frameTable = Word(data, 20) - bias;
    if (!tableInside(sequenceTable, sequences) || !tableInside(frameTable, frames)) return false;
    std::set<uint32_t> seen;
    for (uint32_t i = 0; i < sequences; ++i) {
        const uint64_t at = uint64_t(sequenceTable) + uint64_t(i) * 4;
        rewritten.push_back(at);
        const uint32_t sequence = Word(data, size_t(at)) - bias;
        if (!seen.insert(sequence).second) continue;
        if (!inside(sequence, 4)) return false;
        const uint32_t n = Word(data, sequence);
        if (!inside(uint64_t(sequence) + 4, uint64_t(n) * 4)) return false;
        lengths.push_back(sequence);
        for (uint32_t k = 0; k < n; ++k)
            if (!frameAt(uint64_t(sequence) + 4 + uint64_t(k) * 4)) return false;
    }
    for (uint32_t i = 0; i < frames; ++i)
        if (!frameAt(uint64_t(frameTable) + uint64_t(i) * 4)) return false;

    // The rewritten words: each rewritten once, none overlapping another.
    std::sort(rewritten.begin(), rewritten.end());
    for (size_t i = 1; i < rewritten.size(); ++i)
        if (rewritten[i] - rewritten[i - 1] < 4) return false;
    // Does any rewritten word meet the bytes [begin, end)?
    auto meets = [&](uint64_t begin, uint64_t end) {
        auto it = std::lower_bound(rewritten.begin(), rewritten.end(), begin < 3 ? 0 : begin - 3);
        return it != rewritten.end() && *it < end;
    };
    for (uint64_t at : lengths)
        if (meets(at, at + 4)) return false;
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    for (uint64_t at : records) {
        if (meets(at, at + sizeof(SprtFrame))) return false;
        if (assetCount) {
            const uint32_t index = Word(data, size_t(at)) & 0xFFFFFFu;
            if (index == 0 || index > assetCount) return false;
        }
    }
    return true;
}

void FixUpSprt(uint8_t* data, uint32_t base) {
    if (Word(data, 4)) return;
    const uint32_t sequences = Word(data, 8), sequenceTable = Word(data, 12);
    const uint32_t frames = Word(data, 16), frameTable = Word(data, 20);
    std::set<uint32_t> done;
    for (uint32_t i = 0; i < sequences; ++i) {
        const size_t at = size_t(sequenceTable) + size_t(i) * 4;
        const uint32_t sequence = Word(data, at);
        SetWord(data, at, base + sequence);
        if (!done.insert(sequence).second) continue;
        const uint32_t n = Word(data, sequence);
        for (uint32_t k = 0; k < n; ++k) {
            const size_t frame = size_t(sequence) + 4 + size_t(k) * 4;
            SetWord(data, frame, base + Word(data, frame));
        }
    }
    for (uint32_t i = 0; i < frames; ++i) {
        const size_t at = size_t(frameTable) + size_t(i) * 4;
        SetWord(data, at, base + Word(data, at));
    }
    SetWord(data, 12, base + sequenceTable);
    SetWord(data, 20, base + frameTable);
    SetWord(data, 4, 1);
}

}  // namespace quor

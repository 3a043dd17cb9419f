// PayTable::Unpack on the words of a machine file. The first byte is the length of the
// machine's symbol list. A table that unpacks packs back to the very words it was read
// from, and matching any reel result against it stays inside the table.
#include <cstring>
#include <vector>

#include "FuzzTarget.h"
#include "PayTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int32_t symbolCount = data[0] % 40;
    std::vector<uint32_t> words((size - 1) / 4);
    if (!words.empty()) std::memcpy(words.data(), data + 1, words.size() * 4);
    PayTable table;
    const uint32_t* end = table.Unpack(words.data(), words.data() + words.size(), symbolCount);
    if (!end) return 0;
    if (end < words.data() || end > words.data() + words.size()) __builtin_trap();
    const size_t used = size_t(end - words.data());
    std::vector<uint32_t> packed(table.GetPackedSize());
    if (packed.size() != used || table.Pack(packed.data()) != packed.data() + packed.size()) __builtin_trap();
    PayTable again;
    if (!again.Unpack(packed.data(), packed.data() + packed.size(), symbolCount) || !(again == table))
        __builtin_trap();
    // A reel result of the symbols the input ends with, one per reel of the longest line.
    std::vector<int32_t> result;
    for (size_t i = 1 + used * 4; i < size && result.size() < 8; ++i) result.push_back(int32_t(data[i] % 42) - 1);
    for (int32_t coins = 0; coins <= 3; ++coins) {
        PayTable::Payout payout;
        int32_t line = -1;
        if (table.FindWinningLine(result, coins, payout, line) && (line < 0 || line >= table.GetLineCount()))
            __builtin_trap();
    }
    return 0;
}

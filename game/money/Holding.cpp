#include "Holding.h"

#include <algorithm>

namespace {
const int32_t kSpinTag = 1, kPendingTag = 2, kCreditTag = 3;
const int32_t kScriptletLines = 1, kJackpots = 2;
// More reels, a longer name, more jackpots in one spin or more waiting spins than any
// machine or player has: the data is not ours.
const int32_t kMostReels = 64, kLongestName = 1024, kMostJackpots = 64;
const size_t kMostPending = 1024;

void PutWord(std::vector<uint8_t>& out, int32_t value) {
    const uint32_t v = uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(v >> shift));
}

void PutSpin(std::vector<uint8_t>& out, int32_t tag, const HeldSpin& spin) {
    PutWord(out, tag);
    PutWord(out, spin.bet);
    PutWord(out, spin.denomination.Cents());
    PutWord(out, spin.tableWin);
    PutWord(out, (spin.scriptletLines ? kScriptletLines : 0) | (spin.jackpots.empty() ? 0 : kJackpots));
    PutWord(out, int32_t(spin.stops.size()));
    for (int32_t stop : spin.stops) PutWord(out, stop);
    PutWord(out, int32_t(spin.machine.size()));
    out.insert(out.end(), spin.machine.begin(), spin.machine.end());
    if (spin.jackpots.empty()) return;
    PutWord(out, int32_t(spin.jackpots.size()));
    for (int32_t jackpot : spin.jackpots) PutWord(out, jackpot);
}

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Word(int32_t& value) {
        if (size_ - at_ < 4) return false;
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | data_[at_ + size_t(i)];
        at_ += 4;
        value = int32_t(v);
        return true;
    }
    bool Bytes(std::string& text, int32_t count) {
        if (count < 0 || size_ - at_ < size_t(count)) return false;
        text.assign(reinterpret_cast<const char*>(data_ + at_), size_t(count));
        at_ += size_t(count);
        return true;
    }
    bool AtEnd() const { return at_ == size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

bool ReadJackpots(Reader& in, std::vector<int32_t>& jackpots) {
    int32_t count = 0;
    if (!in.Word(count) || count <= 0 || count > kMostJackpots) return false;
    jackpots.resize(size_t(count));
    for (int32_t& jackpot : jackpots)
        if (!in.Word(jackpot) || jackpot < 0) return false;
    return true;
}

bool ReadSpin(Reader& in, HeldSpin& spin) {
    int32_t denomination = 0, flags = 0, reels = 0, nameLength = 0;
    if (!in.Word(spin.bet) || !in.Word(denomination) || !in.Word(spin.tableWin) || !in.Word(flags) ||
        !in.Word(reels) || reels < 0 || reels > kMostReels || spin.bet < 0 || denomination <= 0 ||
        spin.tableWin < 0)
        return false;
    spin.denomination = Money(denomination);
    spin.scriptletLines = (flags & kScriptletLines) != 0;
    spin.stops.resize(size_t(reels));
    for (int32_t& stop : spin.stops)
        if (!in.Word(stop)) return false;
    if (!in.Word(nameLength) || nameLength > kLongestName || !in.Bytes(spin.machine, nameLength)) return false;
    return (flags & kJackpots) == 0 || ReadJackpots(in, spin.jackpots);
}

// The next record into the holding; records come in tag order, only pending spins repeat.
bool ReadRecord(Reader& in, int32_t& lastTag, Holding& holding) {
    int32_t tag = 0;
    if (!in.Word(tag) || tag < lastTag || (tag == lastTag && tag != kPendingTag) || tag < kSpinTag ||
        tag > kCreditTag)
        return false;
    lastTag = tag;
    if (tag == kCreditTag) {
        int32_t credit = 0;
        if (!in.Word(credit)) return false;
        holding.credit = Money(credit);
        return true;
    }
    HeldSpin spin;
    if (!ReadSpin(in, spin)) return false;
    if (tag == kSpinTag) {
        holding.spin = std::move(spin);
        return true;
    }
    holding.pending.push_back(std::move(spin));
    return holding.pending.size() <= kMostPending;
}
}  // namespace

std::vector<uint8_t> EncodeHolding(const Holding& holding, Money cash) {
    std::vector<uint8_t> out;
    PutWord(out, holding.held.Cents());
    PutWord(out, cash.Cents());
    if (holding.spin) PutSpin(out, kSpinTag, *holding.spin);
    for (const HeldSpin& pending : holding.pending) PutSpin(out, kPendingTag, pending);
    if (holding.credit) {
        PutWord(out, kCreditTag);
        PutWord(out, holding.credit->Cents());
    }
    return out;
}

bool DecodeHolding(const uint8_t* data, size_t size, Holding& holding, Money& cash) {
    Reader in(data, size);
    int32_t held = 0, cents = 0;
    if (!in.Word(held) || !in.Word(cents)) return false;
    Holding read;
    read.held = Money(held);
    int32_t lastTag = 0;
    while (!in.AtEnd())
        if (!ReadRecord(in, lastTag, read)) return false;
    holding = std::move(read);
    cash = Money(cents);
    return true;
}

Money CashAfterRestart(const Holding& holding, Money cash) {
    int64_t total = int64_t(cash.Cents()) + holding.held.Cents();
    if (holding.spin) {
        // The bet spent is never more than the machine held.
        const int64_t coin = holding.spin->denomination.Cents();
        total -= std::min<int64_t>(int64_t(holding.spin->bet) * coin, std::max(holding.held.Cents(), 0));
        total += int64_t(holding.spin->tableWin) * coin;
    }
    return Money(int32_t(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX)));
}

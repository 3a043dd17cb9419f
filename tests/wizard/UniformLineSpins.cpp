#include "UniformLineSpins.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "MachineFile.h"
#include "MachineSpinLayout.h"
#include "PlayFakes.h"

namespace {

bool Lists(const std::vector<std::string>& symbols, const std::string& name) {
    return std::find(symbols.begin(), symbols.end(), name) != symbols.end();
}

// Whether a line of the script's pay table pays when every reel shows `name` (a symbol
// that is not the wild one, so the reading direction and the wild symbol do not matter).
// Counted items are not judged here: nullopt.
std::optional<bool> LineMatches(const ScriptPayTable::PayoutLine& line, const std::string& name) {
    for (const ScriptPayTable::PatternItem& item : line.items) {
        if (item.kind == 1) return std::nullopt;
        const bool listed = Lists(item.symbols, name);
        if (item.kind == 0 ? !listed : listed) return false;
    }
    return true;
}

// What the script's pay table pays for one coin on a line of `name` on every reel, under
// its highest-value rule; nullopt when a scriptlet or a counted item would decide.
std::optional<int32_t> ScriptPays(const ScriptPayTable& payouts, const std::string& name) {
    int32_t best = 0;
    for (const ScriptPayTable::PayoutLine& line : payouts.lines) {
        const std::optional<bool> matches = LineMatches(line, name);
        if (!matches) return std::nullopt;
        if (!*matches || line.payouts.empty()) continue;
        if (line.payouts[0].type != 0) return std::nullopt;
        best = std::max(best, line.payouts[0].amount);
    }
    return best;
}

// The draws that put symbol `symbol` on the centre line of every reel: the drawn stop is
// the one the centre line shows, so for each reel the running weight in front of the
// first stop of that symbol. Empty when some reel has no such stop that can come up.
std::vector<uint32_t> DrawsShowing(const MachineRecords& records, int32_t symbol) {
    std::vector<uint32_t> draws;
    for (const ReelStripRecord& strip : records.strips) {
        uint32_t before = 0;
        auto stop = strip.stops.begin();
        for (; stop != strip.stops.end() && !(stop->symbol == symbol && stop->weight > 0); ++stop)
            before += uint32_t(stop->weight);
        if (stop == strip.stops.end()) return {};
        draws.push_back(before);
    }
    return draws;
}

// One coin bet and one spin with the given draws; what the machine paid.
int32_t PlayOneCoin(const MachineRecords& records, const SpinLayout& layout, const std::vector<uint32_t>& draws) {
    FakeMeters panel;
    FakeButtons buttons;
    FakeReels reels(layout.ReelCount());
    FakeScript script;
    FakeNotices notices;
    MemoryWallet wallet(100000);
    FakeSetting setting;
    ListedRandom random;
    random.values = draws;
    MachineMeters meters(panel, wallet, setting, Money(25));
    ButtonRules rules(meters, buttons, records.maxBet);
    SpinController spin(layout, records.payTable, SpinParts{reels, script, meters, rules, notices, random});
    MachineMoney money(MoneyParts{meters, rules, wallet, notices, spin, script, setting}, records.denominationMask);
    money.AddCoins(1);
    EXPECT_EQ(1, meters.Bet());
    spin.OnSpin();
    for (int reel = 0; reel < layout.ReelCount(); ++reel) spin.OnReelStopped(reel);
    EXPECT_TRUE(spin.IsIdle());
    EXPECT_TRUE(notices.boxes.empty()) << notices.boxes[0];
    return meters.WinnerPaid();
}

}  // namespace

std::vector<UniformLineSpin> SpinEveryUniformLine(const std::string& slotPath, const ScriptPayTable& payouts) {
    MachineFile file(slotPath);
    const MachineRecords& records = file.Records();
    const SpinLayout layout = MachineSpinLayout(records);
    std::vector<UniformLineSpin> spins;
    for (int32_t symbol = 0; symbol < int32_t(records.symbolNames.size()); ++symbol) {
        const std::string& name = records.symbolNames[size_t(symbol)];
        if (name == payouts.joker) continue;
        const std::optional<int32_t> expected = ScriptPays(payouts, name);
        const std::vector<uint32_t> draws = DrawsShowing(records, symbol);
        if (!expected || draws.empty()) continue;
        spins.push_back(UniformLineSpin{name, PlayOneCoin(records, layout, draws), *expected});
    }
    return spins;
}

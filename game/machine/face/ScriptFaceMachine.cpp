#include "ScriptFaceMachine.h"

namespace {
std::map<std::string, int32_t> TableOf(const std::vector<NamedAsset>& names) {
    std::map<std::string, int32_t> table;
    for (const NamedAsset& entry : names) table[entry.name] = int32_t(entry.asset);
    return table;
}
}  // namespace

bool ScriptFaceMachine::QueryTitle(std::string& title) const {
    title = parts_.records.title;
    return !title.empty();
}

void ScriptFaceMachine::SetInOrderStop(bool inOrder) {
    inOrder_ = inOrder;
    parts_.spin.SetStagger(inOrder);
}

// The bet picks the pay table's column, as the coins bet do on a one-line machine.
bool ScriptFaceMachine::EvaluateSymbols(int32_t bet, const std::vector<int16_t>& symbols, int32_t& tableIndex,
                                        int32_t& amount) {
    const std::vector<int32_t> line(symbols.begin(), symbols.end());
    return parts_.spin.LookUpPayout(line, bet, tableIndex, amount);
}

void ScriptFaceMachine::ChooseStops() {
    for (int reel = 0; reel < parts_.records.reelCount; ++reel) parts_.spin.MarkReel(reel);
}

std::map<std::string, int32_t> ScriptFaceMachine::GetAnimationTable() const { return TableOf(parts_.records.animations); }

std::map<std::string, int32_t> ScriptFaceMachine::GetSoundTable() const { return TableOf(parts_.records.sounds); }

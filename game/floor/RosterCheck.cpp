#include "RosterCheck.h"

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

namespace {
RosterResult CheckNames(const std::vector<RosterRow>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].inUse) continue;
        const std::string name = TrimBlanks(rows[i].fullName);
        if (name.empty()) return RosterResult{RosterVerdict::kUnnamed, int32_t(i)};
        for (size_t j = i + 1; j < rows.size(); ++j)
            if (rows[j].inUse && TrimBlanks(rows[j].fullName) == name)
                return RosterResult{RosterVerdict::kDuplicate, int32_t(i)};
    }
    return RosterResult{RosterVerdict::kPass, -1};
}
}  // namespace

RosterResult CheckRoster(const std::vector<RosterRow>& rows) {
    int32_t inUse = 0, active = 0, lastActive = -1, firstInUse = -1;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].inUse) continue;
        if (firstInUse < 0) firstInUse = int32_t(i);
        ++inUse;
        if (rows[i].active) {
            ++active;
            lastActive = int32_t(i);
        }
    }
    if (inUse == 0) return RosterResult{RosterVerdict::kNoPlayers, 0};
    if (active == 0) {
        if (inUse > 1) return RosterResult{RosterVerdict::kChooseActive, -1};
        lastActive = firstInUse;
    }
    const RosterResult names = CheckNames(rows);
    if (names.verdict != RosterVerdict::kPass) return names;
    return RosterResult{active == 0 ? RosterVerdict::kReactivate : RosterVerdict::kPass, lastActive};
}

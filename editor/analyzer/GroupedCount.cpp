#include "GroupedCount.h"

#include <map>

#include "LineDiagram.h"
#include "PayLineRows.h"
#include "ReelAlphabet.h"

namespace {

// Weights by one number per judged line: a diagram node each for the states of the lines
// after some reels, an alphabet position each for the symbols a reel's stop shows them.
using PerLineWeights = std::map<std::vector<int32_t>, int64_t>;

// The reel's stops grouped by the alphabet positions the judged lines read on it, each
// group with its stops' total weight.
PerLineWeights ReelGroups(const AnalyzedMachine& machine, int32_t reel,
                      const std::vector<JudgedLine>& lines, const ReelAlphabet& alphabet) {
    PerLineWeights groups;
    std::vector<int32_t> seen(lines.size());
    for (int32_t stop = 0; stop < machine.stopCount; ++stop) {
        for (size_t i = 0; i < lines.size(); ++i)
            seen[i] = RowPosition(machine, reel, stop, RowOffset(lines[i].line, reel), alphabet);
        groups[seen] += machine.strips[reel][stop].weight;
    }
    return groups;
}

PerLineWeights FollowReel(const PerLineWeights& states, const PerLineWeights& groups,
                      const std::vector<LineDiagram>& diagrams, int32_t reel, size_t alphabetSize) {
    PerLineWeights next;
    std::vector<int32_t> nodes(diagrams.size());
    for (const auto& state : states) {
        for (const auto& group : groups) {
            if (group.second == 0) continue;
            for (size_t i = 0; i < diagrams.size(); ++i)
                nodes[i] = diagrams[i].Follow(reel, state.first[i], group.first[i], alphabetSize);
            next[nodes] += state.second * group.second;
        }
    }
    return next;
}

int64_t CountWinningSpins(const AnalyzedMachine& machine, const std::vector<JudgedLine>& lines,
                          const std::vector<LineDiagram>& diagrams,
                          const std::vector<ReelAlphabet>& alphabets) {
    if (lines.empty()) return 0;
    std::vector<int32_t> roots;
    for (const LineDiagram& diagram : diagrams) roots.push_back(diagram.root);
    PerLineWeights states{{roots, 1}};
    for (int32_t reel = 0; reel < machine.reelCount; ++reel) {
        const PerLineWeights groups = ReelGroups(machine, reel, lines, alphabets[reel]);
        states = FollowReel(states, groups, diagrams, reel, alphabets[reel].Size());
    }
    int64_t wins = 0;
    for (const auto& state : states)
        for (int32_t leaf : state.first)
            if (leaf == LineDiagram::kWins) {
                wins += state.second;
                break;
            }
    return wins;
}

}  // namespace

PayoutCounts CountByGroups(const AnalyzedMachine& machine) {
    PayoutCounts counts = EmptyCounts(machine);
    const std::vector<JudgedLine> lines = JudgedLines(machine);
    const std::vector<ReelAlphabet> alphabets = ReelAlphabets(machine);
    std::vector<LineDiagram> diagrams;
    for (const JudgedLine& line : lines) diagrams.push_back(WalkLine(machine, alphabets, line, counts));
    counts.winningSpins = CountWinningSpins(machine, lines, diagrams, alphabets);
    return counts;
}

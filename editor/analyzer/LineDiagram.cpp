#include "LineDiagram.h"

#include <map>

namespace {

class LineWalk {
public:
    LineWalk(const AnalyzedMachine& machine, const std::vector<ReelAlphabet>& alphabets,
             const JudgedLine& line, PayoutCounts& counts)
        : machine_(machine), alphabets_(alphabets), line_(line), counts_(counts),
          result_(static_cast<size_t>(machine.reelCount)), known_(result_.size()) {
        diagram_.next.resize(result_.size());
        for (int32_t reel = 0; reel < machine.reelCount; ++reel)
            weights_.push_back(
                OffsetWeights(machine, reel, RowOffset(line.line, reel), alphabets[reel]));
    }

    LineDiagram Run() {
        diagram_.root = Walk(0, 1);
        return std::move(diagram_);
    }

private:
    // The node for the rest of the line from `reel` on; `weight` is that of the symbols
    // chosen on the reels before it.
    int32_t Walk(int32_t reel, int64_t weight) {
        if (reel == machine_.reelCount) return Judge(weight);
        const ReelAlphabet& alphabet = alphabets_[reel];
        std::vector<int32_t> outcomes(alphabet.Size());
        for (size_t a = 0; a < alphabet.Size(); ++a) {
            result_[reel] = alphabet.symbols[a];
            outcomes[a] = Walk(reel + 1, weight * weights_[reel][a]);
        }
        return Intern(reel, outcomes);
    }

    int32_t Judge(int64_t weight) {
        PayTable::Payout payout;
        int32_t row = -1;
        if (!machine_.payTable.FindWinningLine(result_, line_.coins, payout, row))
            return LineDiagram::kLoses;
        counts_.hits[row][line_.line] += weight;
        return LineDiagram::kWins;
    }

    int32_t Intern(int32_t reel, const std::vector<int32_t>& outcomes) {
        std::vector<int32_t>& next = diagram_.next[reel];
        const int32_t id = static_cast<int32_t>(next.size() / outcomes.size());
        const auto found = known_[reel].emplace(outcomes, id);
        if (found.second) next.insert(next.end(), outcomes.begin(), outcomes.end());
        return found.first->second;
    }

    const AnalyzedMachine& machine_;
    const std::vector<ReelAlphabet>& alphabets_;
    const JudgedLine line_;
    PayoutCounts& counts_;
    std::vector<std::vector<int64_t>> weights_;  // per reel, per alphabet position
    std::vector<int32_t> result_;                // the symbols chosen so far
    std::vector<std::map<std::vector<int32_t>, int32_t>> known_;  // per reel
    LineDiagram diagram_;
};

}  // namespace

LineDiagram WalkLine(const AnalyzedMachine& machine, const std::vector<ReelAlphabet>& alphabets,
                     const JudgedLine& line, PayoutCounts& counts) {
    return LineWalk(machine, alphabets, line, counts).Run();
}

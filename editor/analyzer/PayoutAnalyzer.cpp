#include "PayoutAnalyzer.h"

#include <map>

#include "GroupedCount.h"
#include "PayLineRows.h"
#include "PayoutReport.h"

bool PayoutAnalyzer::Run(const std::string& scriptPath, MessageSink& sink) {
    Compile(scriptPath, &sink, nullptr);
    // The count needs the reels and the pay table only: warnings about pictures, sounds or
    // elements stand above the report, and only a script that could not be read is not counted.
    if (!IsReadWhole()) return false;
    Analyze(sink);
    return true;
}

void PayoutAnalyzer::Analyze(MessageSink& sink) {
    sink_ = &sink;
    machine_ = AnalyzedMachine();
    machine_.reelCount = GetReelCount();
    machine_.payLineCount = GetPayLineCount();
    machine_.stopCount = GetStopCount();
    payouts_ = GetPayouts();
    machine_.maxBet = GetMaxBet();
    for (int32_t i = 0; i < GetSymbolCount(); ++i) machine_.symbols.push_back(GetSymbol(i));
    machine_.payTable.Assign(payouts_, machine_.symbols);
    ReadStrips();
    WriteReport();
}

void PayoutAnalyzer::ReadStrips() {
    std::map<std::string, int32_t> numbers;
    for (size_t i = 0; i < machine_.symbols.size(); ++i)
        numbers.emplace(machine_.symbols[i], static_cast<int32_t>(i));
    for (int32_t reel = 0; reel < machine_.reelCount; ++reel) {
        std::vector<AnalyzedStop> strip;
        for (const StripEntry& entry : GetReelStrip(reel))
            strip.push_back({numbers.at(entry.symbol), entry.weight});
        machine_.strips.push_back(std::move(strip));
    }
}

void PayoutAnalyzer::RowSymbols(std::vector<int32_t>& symbols, const std::vector<int32_t>& stops,
                                int32_t line) const {
    FillRowSymbols(machine_, symbols, stops, line);
}

void PayoutAnalyzer::WriteReport() {
    int64_t attempts = 0;
    if (!WeightedAttempts(machine_, attempts)) {
        sink_->AddMessage(
            "The reels' stop weights are too large to analyze: their product passes 2^63.\n");
        return;
    }
    sink_->AddMessage(WritePayoutReport(machine_, CountByGroups(machine_)));
}

// The payout analyzer: compiles a machine script and reports how much the machine pays
// back (PayoutReport.h), handing the whole report to a message sink as one message.
// An analyzer is made, run once and destroyed.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "AnalyzedMachine.h"
#include "MachineScript.h"
#include "MessageSink.h"
#include "ScriptPayTable.h"

class PayoutAnalyzer : public MachineScript {
public:
    // Compiles the script with the sink as the compiler's message sink. False, with the
    // compiler's messages in the sink, when the script cannot be read whole; else the
    // report follows them (a script whose warnings fail its compile is counted too).
    bool Run(const std::string& scriptPath, MessageSink& sink);

    // Reads the compiled machine and writes its report to the sink.
    void Analyze(MessageSink& sink);

    // The symbols of one pay line for the stops, one per reel (PayLineRows.h).
    void RowSymbols(std::vector<int32_t>& symbols, const std::vector<int32_t>& stops,
                    int32_t line) const;

    // Counts every combination of stops (without visiting each, GroupedCount.h) and
    // hands the report to the sink.
    void WriteReport();

    // The machine as Analyze read it.
    const AnalyzedMachine& GetAnalyzedMachine() const { return machine_; }

private:
    void ReadStrips();

    MessageSink* sink_ = nullptr;
    AnalyzedMachine machine_;
    ScriptPayTable payouts_;
};

// Runs the payout analyzer on script text and gives what it handed to its sink.
#pragma once
#include <string>

#include "CompileHelpers.h"
#include "PayoutAnalyzer.h"

struct AnalyzerRun {
    bool analyzed = false;
    std::string messages;  // every message, joined
    size_t messageCount = 0;
};

inline AnalyzerRun Analyze(PayoutAnalyzer& analyzer, const std::string& text) {
    ScriptFile file(text);
    RecordingSink sink;
    AnalyzerRun run;
    run.analyzed = analyzer.Run(file.Path(), sink);
    for (const std::string& message : sink.messages) run.messages += message;
    run.messageCount = sink.messages.size();
    return run;
}

inline AnalyzerRun Analyze(const std::string& text) {
    PayoutAnalyzer analyzer;
    return Analyze(analyzer, text);
}

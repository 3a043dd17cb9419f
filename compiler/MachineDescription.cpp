#include "MachineDescription.h"

#include <iterator>

MachineDescription::MachineDescription() {
    for (int i = 0; i < KeywordCount; ++i)
        lexer_.DefineSymbol(KeywordTable[i].name, static_cast<int32_t>(KeywordTable[i].value));
}

void MachineDescription::Reset() {
    symbols_.Clear();
    symbols_.PushScope();
    title_.clear();
    reelCount_ = stopCount_ = 0;
    reelStrips_.clear();
    stripNameSpans_.clear();
    stripWeightSpans_.clear();
    reelSymbols_.clear();
    reelSymbolSpans_.clear();
    denominations_.clear();
    payLineCount_ = maxBet_ = 0;
    payTable_ = ScriptPayTable();
    progressive_ = ProgressiveSettings();
    artStart_ = artEnd_ = 0;
    scriptCode_.clear();
    previousEnd_ = 0;
    expressionDepth_ = 0;
    descriptionEnd_ = 0;
}

std::string MachineDescription::GetSymbol(int32_t index) const {
    if (index < 0 || index >= GetSymbolCount()) return std::string();
    auto it = reelSymbols_.begin();
    std::advance(it, index);
    return it->first;
}

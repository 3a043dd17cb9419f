// The checks of the names the JScript uses: each name a payout's code uses should be one
// that the script or the machine defines, or the payout fails when it is paid, and each
// sound the script code plays should be one a Sound statement declares, or the code fails
// when it plays it. The compiler cannot know every name the code may make at run time, so
// this is said, not counted: the machine still compiles.
#include "MachineDescription.h"
#include "MessageSink.h"
#include "PayoutNames.h"

bool MachineDescription::DefinesScriptName(const std::string& name) const {
    if (IsMachineObjectName(name) || reelSymbols_.count(name)) return true;
    SymbolRecord record;
    if (symbols_.Lookup(name, record)) return true;
    for (const ReelStrip& strip : reelStrips_)
        for (const StripEntry& entry : strip)
            if (entry.symbol == name) return true;
    return ScriptCodeNames(scriptCode_).count(name) != 0;
}

void MachineDescription::CheckPayoutNames() {
    const std::set<std::string> codeNames = ScriptCodeNames(scriptCode_);
    auto isDefined = [&](const std::string& name) { return codeNames.count(name) || DefinesScriptName(name); };
    for (size_t line = 0; line < payTable_.lines.size(); ++line) {
        const std::vector<ScriptPayTable::Payout>& payouts = payTable_.lines[line].payouts;
        for (size_t coins = 0; coins < payouts.size(); ++coins) {
            if (payouts[coins].type != 1) continue;
            // The same code for several coin counts is named once, at the first.
            if (coins > 0 && payouts[coins - 1].type == 1 && payouts[coins - 1].scriptlet == payouts[coins].scriptlet)
                continue;
            for (const std::string& name : UndefinedPayoutNames(payouts[coins].scriptlet, isDefined))
                Notice("Warning: Payout line " + std::to_string(line + 1) + " for " + std::to_string(coins + 1) +
                     (coins == 0 ? " coin" : " coins") + " pays " + payouts[coins].scriptlet + ", but " + name +
                     " is defined neither by the script nor by the machine object: it pays nothing when it is paid");
        }
    }
}

void MachineDescription::CheckPlayedSounds() {
    const std::set<std::string> codeNames = ScriptCodeNames(scriptCode_);
    const std::set<std::string> parameters = ParameterNames(scriptCode_);
    for (const PlayedSoundName& played : PlayedSoundNames(scriptCode_)) {
        SymbolRecord record;
        if (symbols_.Lookup(played.name, record) && record.kind == SymbolKind::Sound) continue;
        // A variable or a parameter may hold a sound.
        if (codeNames.count(played.name) || parameters.count(played.name)) continue;
        Notice("Warning: Line " + std::to_string(scriptCodeLine_ + played.line) + " plays " + played.name +
               ", but no Sound statement declares " + played.name + ": the code stops there with an error when the machine plays");
    }
}

void MachineDescription::Notice(const std::string& text) {
    if (messageSink_) messageSink_->AddMessage(text + "\n");
}

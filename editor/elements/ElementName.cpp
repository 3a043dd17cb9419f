#include "ElementName.h"

#include <utility>
#include <vector>

#include "KeywordTable.h"
#include "MachineScript.h"

namespace {
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsWordChar(char c) { return IsLetter(c) || (c >= '0' && c <= '9') || c == '_'; }

bool IsKeyword(const std::string& name) {
    for (int i = 0; i < KeywordCount; ++i)
        if (name == KeywordTable[i].name) return true;
    return false;
}

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names) {
    for (const char* one : names)
        if (name == one) return true;
    return false;
}
}  // namespace

std::string MakeValidName(const std::string& text) {
    std::string name = text;
    for (char& c : name)
        if (!IsWordChar(c)) c = '_';
    return name;
}

std::string ScriptNameRefusal(const std::string& name, const std::string& kind) {
    if (name.empty()) return "Please enter a name for the " + kind + ".";
    if (!IsLetter(name[0])) return "The name of the " + kind + " must begin with a letter: " + name;
    for (char c : name)
        if (!IsWordChar(c)) return "The name of the " + kind + " may hold only letters, digits and _: " + name;
    if (IsKeyword(name)) return name + " is a word of the script language and cannot name the " + kind + ".";
    return std::string();
}

std::string NameChangeNotice(const std::string& typed, const std::string& name) {
    return "A name may hold only letters, digits and _, so \"" + typed + "\" becomes \"" + name +
           "\".\n\nClick OK to take the name " + name + ", or Cancel to change it.";
}

std::string RenameRefusal(const std::string& name, const std::string& currentName, const std::string& kind,
                          const std::function<bool(const std::string&)>& isUsed) {
    const std::string refusal = ScriptNameRefusal(name, kind);
    if (!refusal.empty()) return refusal;
    if (name != currentName && isUsed(name)) return "The name \"" + name + "\" is already used.";
    return "";
}

std::string RequiredElementRefusal(const std::string& name, const std::string& kind,
                                   const std::string& progressiveIndicator) {
    const bool required = kind == "Button" ? IsOneOf(name, {"Spin", "BetOne", "BetMax", "CashOut"})
                                           : kind == "Indicator" && (IsOneOf(name, {"Bet", "Credit", "WinnerPaid"}) ||
                                                                     (!progressiveIndicator.empty() &&
                                                                      name == progressiveIndicator));
    if (!required) return std::string();
    return "Every machine needs its " + name + " " + kind +
           ": it can be neither deleted nor renamed (the script would not compile without it).";
}

// The Coin statement's reference follows the element from its compiled name through every
// rename since, so any name the element has had is the same element.
std::string CoinUseRefusal(const MachineScript& script, const std::string& name, const std::string& scriptName) {
    static const char* const kUses[] = {"its coin slot region", "its denomination region", "its bill acceptor region",
                                        "its denomination indicator", "its sound"};
    const int32_t use = script.CoinReferenceOf(scriptName);
    if (use < 0) return std::string();
    return name + " cannot be deleted: the Coin statement names it as " + kUses[use] +
           ", and the saved script would name what is no longer there.";
}

bool TextUsesName(const std::string& text, const std::string& name) {
    if (name.empty()) return false;
    for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const size_t end = at + name.size();
        const bool startsWord = at == 0 || !IsWordChar(text[at - 1]);
        const bool endsWord = end == text.size() || !IsWordChar(text[end]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

std::vector<int32_t> CodeLinesUsing(const MachineScript& script, const std::string& name) {
    std::vector<int32_t> lines;
    const std::string code = script.GetScriptCode();
    int32_t line = script.GetScriptCodeLine();
    for (size_t begin = 0; begin < code.size(); ++line) {
        size_t end = code.find('\n', begin);
        if (end == std::string::npos) end = code.size();
        if (TextUsesName(code.substr(begin, end - begin), name)) lines.push_back(line);
        begin = end + 1;
    }
    return lines;
}

namespace {
// "line 84", "lines 84 and 88", "lines 84, 88 and 90".
std::string LinesText(const std::vector<int32_t>& lines) {
    std::string text = lines.size() == 1 ? "line " : "lines ";
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += i + 1 == lines.size() ? " and " : ", ";
        text += std::to_string(lines[i]);
    }
    return text;
}
}  // namespace

std::string CodeUseRefusal(const std::string& name, const std::vector<int32_t>& lines, bool rename) {
    if (lines.empty()) return std::string();
    const std::string uses = ": the script's code uses it on " + LinesText(lines);
    if (rename)
        return name + " cannot be renamed" + uses +
               ", and a rename does not change the code: it would go on naming " + name +
               ", and the machine would stop there with a script error when it plays.";
    return name + " cannot be deleted" + uses +
           ", and the machine would stop there with a script error when it plays.";
}

namespace {
bool AnyUses(const std::vector<std::string>& scriptlets, const std::string& name) {
    for (const std::string& scriptlet : scriptlets)
        if (TextUsesName(scriptlet, name)) return true;
    return false;
}
}  // namespace

bool JScriptUsesName(const MachineScript& script, const std::string& name) {
    if (TextUsesName(script.GetScriptCode(), name)) return true;
    for (const auto& button : script.GetButtons())
        if (AnyUses(button.second.button.scriptlets, name)) return true;
    for (const auto& indicator : script.GetIndicators())
        if (AnyUses(indicator.second.indicator.scriptlets, name)) return true;
    for (const auto& region : script.GetRegions())
        if (AnyUses(region.second.region.scriptlets, name)) return true;
    for (const auto& line : script.GetPayouts().lines)
        for (const auto& payout : line.payouts)
            if (payout.type != 0 && TextUsesName(payout.scriptlet, name)) return true;
    return false;
}

std::string NameInJScriptWarning(const std::string& name) {
    return "The machine's JScript uses the name " + name +
           ", and renaming does not change the JScript: it would go on using the old name.\n"
           "Rename " + name + " anyway?";
}

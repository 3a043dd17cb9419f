#include "PayoutNames.h"

#include <algorithm>
#include <cctype>

namespace {

// The JScript words and the global objects and functions every script has.
const std::set<std::string>& LanguageNames() {
    static const std::set<std::string> names = {
        "break", "case", "catch", "continue", "default", "delete", "do", "else", "false", "finally", "for",
        "function", "if", "in", "instanceof", "new", "null", "return", "switch", "this", "throw", "true", "try",
        "typeof", "var", "void", "while", "with", "undefined", "NaN", "Infinity", "Math", "Number", "String",
        "Boolean", "Array", "Object", "Date", "RegExp", "Error", "Function", "Enumerator", "VBArray",
        "ActiveXObject", "GetObject", "ScriptEngine", "ScriptEngineMajorVersion", "ScriptEngineMinorVersion",
        "ScriptEngineBuildVersion", "parseInt", "parseFloat", "isNaN", "isFinite", "eval", "escape", "unescape",
        "encodeURI", "encodeURIComponent", "decodeURI", "decodeURIComponent"};
    return names;
}

bool StartsName(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }
bool InName(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

size_t SkipString(const std::string& code, size_t at) {
    const char quote = code[at];
    for (++at; at < code.size() && code[at] != quote; ++at)
        if (code[at] == '\\') ++at;
    return at + 1;
}

size_t SkipComment(const std::string& code, size_t at) {
    if (code.compare(at, 2, "//") == 0) {
        const size_t end = code.find('\n', at);
        return end == std::string::npos ? code.size() : end;
    }
    const size_t end = code.find("*/", at + 2);
    return end == std::string::npos ? code.size() : end + 2;
}

// The code's names in order, each with whether a "." stands before it; strings, comments
// and numbers are passed over.
template <class Visit>
void ScanNames(const std::string& code, Visit visit) {
    bool afterDot = false;
    size_t at = 0;
    while (at < code.size()) {
        const char c = code[at];
        if (c == '\'' || c == '"') {
            at = SkipString(code, at);
            afterDot = false;
        } else if (code.compare(at, 2, "//") == 0 || code.compare(at, 2, "/*") == 0) {
            at = SkipComment(code, at);
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            while (at < code.size() && (InName(code[at]) || code[at] == '.')) ++at;
            afterDot = false;
        } else if (StartsName(c)) {
            const size_t begin = at;
            while (at < code.size() && InName(code[at])) ++at;
            visit(code.substr(begin, at - begin), afterDot, at);
            afterDot = false;
        } else {
            if (!std::isspace(static_cast<unsigned char>(c))) afterDot = c == '.';
            ++at;
        }
    }
}

}  // namespace

std::vector<std::string> PayoutCodeNames(const std::string& code) {
    std::vector<std::string> names;
    ScanNames(code, [&](const std::string& name, bool afterDot, size_t) {
        if (afterDot || LanguageNames().count(name)) return;
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    });
    return names;
}

std::set<std::string> ScriptCodeNames(const std::string& scriptCode) {
    std::set<std::string> names;
    std::string previous;
    ScanNames(scriptCode, [&](const std::string& name, bool afterDot, size_t end) {
        const bool declares = previous == "function" || previous == "var";
        // "function machine::OnSpin" handles an event; it declares no name.
        const bool handler = scriptCode.compare(end, 2, "::") == 0;
        if (!afterDot && declares && !handler) names.insert(name);
        previous = name;
    });
    // The further names of "var a = 1, b, c": after a comma at the statement's own depth.
    for (size_t at = scriptCode.find("var"); at != std::string::npos; at = scriptCode.find("var", at + 3)) {
        if ((at > 0 && InName(scriptCode[at - 1])) || (at + 3 < scriptCode.size() && InName(scriptCode[at + 3])))
            continue;
        int depth = 0;  // brackets within the statement
        for (size_t i = at + 3; i < scriptCode.size() && scriptCode[i] != ';' && scriptCode[i] != '\n'; ++i) {
            const char c = scriptCode[i];
            if (c == '(' || c == '[' || c == '{') ++depth;
            if (c == ')' || c == ']' || c == '}') --depth;
            if (c != ',' || depth != 0) continue;
            size_t begin = scriptCode.find_first_not_of(" \t", i + 1);
            size_t end = begin;
            while (end < scriptCode.size() && InName(scriptCode[end])) ++end;
            if (begin != std::string::npos && end > begin) names.insert(scriptCode.substr(begin, end - begin));
        }
    }
    return names;
}

bool IsMachineObjectName(const std::string& name) {
    static const std::set<std::string> members = {
        "machine", "Title", "Reels", "RandomStopOrder", "Denomination", "Betting", "Spin", "SetTimeout",
        "PayTableIndex", "PayAmount", "ChooseStops", "SpinToStops", "PlaySound", "StopSounds", "WeightedRandom",
        "Random", "Bet", "Progressive", "UpdateButtons"};
    return members.count(name) != 0;
}

std::vector<std::string> UndefinedPayoutNames(const std::string& code,
                                              const std::function<bool(const std::string&)>& isDefined) {
    std::vector<std::string> undefined;
    for (const std::string& name : PayoutCodeNames(code))
        if (!isDefined(name)) undefined.push_back(name);
    return undefined;
}

namespace {

// The code with its comments made blanks (line ends kept), strings left as they are.
std::string WithoutComments(const std::string& code) {
    std::string text = code;
    size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '\'' || text[at] == '"') {
            at = SkipString(text, at);
        } else if (text.compare(at, 2, "//") == 0 || text.compare(at, 2, "/*") == 0) {
            const size_t end = std::min(SkipComment(text, at), text.size());
            for (size_t i = at; i < end; ++i)
                if (text[i] != '\n') text[i] = ' ';
            at = end;
        } else {
            ++at;
        }
    }
    return text;
}

size_t SkipBlanks(const std::string& text, size_t at) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    return at;
}

// The name at the offset (empty when none starts there); `at` moves past it.
std::string NameAt(const std::string& text, size_t& at) {
    if (at >= text.size() || !StartsName(text[at])) return std::string();
    const size_t begin = at;
    while (at < text.size() && InName(text[at])) ++at;
    return text.substr(begin, at - begin);
}

// Each whole-word use of the word in the text: the offset just after it.
template <class Visit>
void EachWord(const std::string& text, const std::string& word, Visit visit) {
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const size_t end = at + word.size();
        if ((at > 0 && InName(text[at - 1])) || (end < text.size() && InName(text[end]))) continue;
        visit(end);
    }
}

}  // namespace

std::vector<PlayedSoundName> PlayedSoundNames(const std::string& code) {
    const std::string text = WithoutComments(code);
    std::vector<PlayedSoundName> played;
    EachWord(text, "PlaySound", [&](size_t end) {
        size_t at = SkipBlanks(text, end);
        if (at >= text.size() || text[at] != '(') return;
        at = SkipBlanks(text, at + 1);
        const std::string name = NameAt(text, at);
        if (name.empty() || SkipBlanks(text, at) >= text.size() || text[SkipBlanks(text, at)] != ')') return;
        const int32_t line = int32_t(std::count(text.begin(), text.begin() + std::ptrdiff_t(end), '\n'));
        played.push_back({name, line});
    });
    return played;
}

std::set<std::string> ParameterNames(const std::string& code) {
    const std::string text = WithoutComments(code);
    std::set<std::string> names;
    EachWord(text, "function", [&](size_t end) {
        const size_t open = text.find('(', end);
        const size_t close = open == std::string::npos ? open : text.find(')', open);
        if (close == std::string::npos) return;
        for (size_t at = open + 1; at < close;) {
            at = SkipBlanks(text, at);
            const std::string name = NameAt(text, at);
            if (name.empty()) ++at;
            else names.insert(name);
        }
    });
    return names;
}

#include "PayoutLineEdits.h"

#include <climits>

#include "PayoutNames.h"

namespace {
// The whole number that the text is (blanks around it allowed); false for any other text
// and for numbers beyond 32 bits.
bool PlainNumber(const std::string& text, int32_t& value) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return false;
    const size_t end = text.find_last_not_of(' ');
    long long number = 0;
    for (size_t i = begin; i <= end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
        if (number > INT32_MAX) return false;
    }
    value = int32_t(number);
    return true;
}

bool AllDigitsOrBlanks(const std::string& text) {
    return text.find_first_not_of(" 0123456789") == std::string::npos;
}
}  // namespace

bool IsCountedLine(const PayLine& line) { return !line.items.empty() && line.items[0].kind == 1; }

int CountedRun(const PayLine& line) {
    int run = 0;
    while (run < int(line.items.size()) && line.items[size_t(run)].kind == 1) ++run;
    return run;
}

std::string CountedLineText(const PayLine& line) {
    const std::string symbol = line.items.empty() || line.items[0].symbols.empty() ? "" : line.items[0].symbols[0];
    return std::string(payout_text::kAny) + " " + std::to_string(CountedRun(line)) + " " + symbol;
}

std::string ItemText(const PayItem& item) {
    if ((item.kind == 0 && item.symbols.size() > 1) || (item.kind == 2 && !item.symbols.empty()))
        return payout_text::kMultiple;
    if (item.kind == 2) return payout_text::kAny;
    return item.symbols.empty() ? std::string() : item.symbols[0];
}

void ChooseItem(PayItem& item, const std::string& choice) {
    item.symbols.clear();
    if (choice == payout_text::kAny) {
        item.kind = 2;
        return;
    }
    item.kind = 0;
    item.symbols.push_back(choice);
}

std::string PayoutText(const PayAmount& payout) {
    return payout.type == 0 ? std::to_string(payout.amount) : payout.scriptlet;
}

std::string PayoutTextRefusal(const std::string& text) {
    int32_t amount = 0;
    if (AllDigitsOrBlanks(text) && text.find_first_not_of(' ') != std::string::npos && !PlainNumber(text, amount))
        return "The amount " + text + " is too large: a payout is at most 2147483647.";
    if (text.find('"') == std::string::npos) return std::string();
    return "A payout's script cannot hold the character \" (the machine script has no way to write it inside "
           "the payout's quotes). Use ' for the strings of the JScript code instead.";
}

std::string PayoutRefusal(const std::string& text, PayoutChecker* checker) {
    const std::string refusal = PayoutTextRefusal(text);
    if (!refusal.empty()) return refusal;
    const size_t first = text.find_first_not_of(' ');
    if (first != std::string::npos && text[first] == '-' && first + 1 < text.size() &&
        AllDigitsOrBlanks(text.substr(first + 1)) && text.find_first_of("0123456789") != std::string::npos)
        return "The amount " + text + " is negative: a payout is a number of coins from 0 up.";
    // What is stored as an expression is what the machine's engine evaluates at play.
    if (!checker || AllDigitsOrBlanks(text)) return std::string();
    const std::string message = checker->EngineMessage(text);
    if (message.empty()) return std::string();
    return "The payout " + text + " is no expression the machine's JScript can read. JScript says: " + message + ".";
}

std::string UnknownNameQuestion(const std::string& text, const std::function<bool(const std::string&)>& isDefined) {
    int32_t amount = 0;
    if (PlainNumber(text, amount) || AllDigitsOrBlanks(text)) return std::string();
    const std::vector<std::string> undefined = UndefinedPayoutNames(text, isDefined);
    if (undefined.empty()) return std::string();
    const std::string& name = undefined.front();
    return "The payout " + text + " uses " + name +
           ", which is defined neither by the script nor by the machine object: it pays nothing unless the "
           "script's code makes " + name + " as the machine plays (as \"" + name + " = function () { ... }\" does).\n\n"
           "Keep the payout " + text + "?";
}

bool SetPayoutText(PayAmount& payout, const std::string& text) {
    if (!PayoutTextRefusal(text).empty()) return false;
    int32_t amount = 0;
    if (PlainNumber(text, amount)) {
        payout.type = 0;
        payout.amount = amount;
        payout.scriptlet.clear();
        return true;
    }
    // Blanks alone, or digits too many for an amount, are no scriptlet either.
    if (AllDigitsOrBlanks(text)) return false;
    payout.type = 1;
    payout.scriptlet = text;
    payout.amount = 0;
    return true;
}

bool SetCountedChoice(PayLine& line, int count, const std::string& symbol, int reelCount) {
    if (count < 1 || line.items.empty()) return false;
    if (count > reelCount) count = reelCount;
    for (size_t i = 0; i < line.items.size(); ++i) {
        PayItem& item = line.items[i];
        item.symbols.clear();
        if (int(i) < count) {
            item.kind = 1;
            item.symbols.push_back(symbol);
        } else {
            item.kind = 2;
        }
    }
    return true;
}

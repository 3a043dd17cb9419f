// The edits that the Payouts page makes on one line of its copy of the pay table, and
// the texts its cells show. A payout cell changes kind only when its text plainly is the
// other kind: a whole number makes an amount (0 included), any other text a scriptlet, and
// an emptied cell keeps what it held (an empty scriptlet cannot be paid).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "PayoutChecker.h"
#include "ScriptPayTable.h"

using PayLine = ScriptPayTable::PayoutLine;
using PayItem = ScriptPayTable::PatternItem;
using PayAmount = ScriptPayTable::Payout;

namespace payout_text {
const char kMultiple[] = "Multiple";
const char kAny[] = "Any";
}  // namespace payout_text

// A line whose first item is counted: shown as "Any", a count and a symbol.
bool IsCountedLine(const PayLine& line);
// The number of leading counted items.
int CountedRun(const PayLine& line);
// "Any 2 Lantern" for a counted line.
std::string CountedLineText(const PayLine& line);

// "Multiple" for several symbols (or any but some), "Any" for any symbol, else the one
// symbol (empty when the item names none).
std::string ItemText(const PayItem& item);
// The choice of a reel cell's list: "Any" makes the item match any symbol, a symbol name
// makes it match exactly that symbol. ("Multiple" goes through the dialog instead.)
void ChooseItem(PayItem& item, const std::string& choice);

// The amount in decimal, or the scriptlet's text.
std::string PayoutText(const PayAmount& payout);
// Stores a payout cell's text; false when it changes nothing (an emptied cell, a number
// too large for an amount, or a text that PayoutTextRefusal refuses).
bool SetPayoutText(PayAmount& payout, const std::string& text);
// Why the text cannot be a payout: an amount beyond 32 bits cannot be stored, and a
// scriptlet stands in the script between double quotes, which the script language has no
// way to write inside them. Empty when it can.
std::string PayoutTextRefusal(const std::string& text);
inline const char kInvalidPayoutCaption[] = "Invalid Payout";
// Why the text cannot be a payout of the machine: what PayoutTextRefusal refuses, a
// negative amount, or (with a checker) an expression that the machine's JScript cannot
// read, with the engine's message. Empty when it can.
std::string PayoutRefusal(const std::string& text, PayoutChecker* checker = nullptr);
// What the author is asked before a payout whose code uses a name that isDefined does not
// know is kept: the payout pays nothing when it is paid unless the code makes the name as
// the machine plays ("Bonus = function () { ... }"), which only the play can tell. Shown in a
// box of this caption that asks Yes or No; empty when every name is known (or the text is
// no code).
inline const char kUnknownNameCaption[] = "Name Not Found";
std::string UnknownNameQuestion(const std::string& text, const std::function<bool(const std::string&)>& isDefined);

// Makes the line count `count` reels of `symbol` (at most the reel count); the other
// items match any symbol. A count below 1 would pay on every spin: false, nothing changes.
bool SetCountedChoice(PayLine& line, int count, const std::string& symbol, int reelCount);

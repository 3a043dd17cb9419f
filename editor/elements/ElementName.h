// Names that the author types for elements and sounds become valid script names, and one
// rule says which names the script can read.
#pragma once
#include <functional>
#include <cstdint>
#include <string>
#include <vector>

class MachineScript;

// A copy of the text in which every character other than A-Z, a-z, 0-9 and "_" is
// replaced by "_" (so the length stays the same).
std::string MakeValidName(const std::string& text);

// Why the name cannot stand in the script as the name of a thing of the kind ("Button",
// "sound"...): the language reads a name as one word of letters, digits and "_" that
// begins with a letter and is not one of its keywords. Empty when it can.
std::string ScriptNameRefusal(const std::string& name, const std::string& kind);

// What the author is told when the typed text had to be made valid (MakeValidName) to
// become the name, in a box of this caption: both names, as typed and as they become.
inline const char kNameChangeCaption[] = "Name Changed";
std::string NameChangeNotice(const std::string& typed, const std::string& name);

// Why a typed name cannot become an element's new name: a name the script cannot read
// (above), or already the name of something else (the current name itself may stay);
// empty when it can. The name is the valid one (MakeValidName); the kind word names the
// thing renamed.
std::string RenameRefusal(const std::string& name, const std::string& currentName, const std::string& kind,
                          const std::function<bool(const std::string&)>& isUsed);

// Why the element may be neither deleted nor renamed: every machine needs the buttons
// Spin, BetOne, BetMax and CashOut and the indicators Bet, Credit and WinnerPaid, and a
// machine with a progressive jackpot the indicator that shows it. Empty for any other.
// The kind word is "Button" or "Indicator"; the name is the one the script knows.
std::string RequiredElementRefusal(const std::string& name, const std::string& kind,
                                   const std::string& progressiveIndicator);

// Why the element or sound may not be deleted: the Coin statement names it, as the coin
// slot, the denomination or the bill acceptor region, the denomination indicator or the
// coin's sound, and the saved script would go on naming it. The element is known by the
// name the compiled script gave it (scriptName), whatever it was renamed to since; name is
// the one shown. Empty when the statement names it nowhere. The refusal is shown in a box
// of this caption.
inline const char kCoinUseCaption[] = "Used by the Coin Statement";
std::string CoinUseRefusal(const MachineScript& script, const std::string& name, const std::string& scriptName);

// The script file's lines (from 1, in order) on which the script code uses the name as a
// word of its own.
std::vector<int32_t> CodeLinesUsing(const MachineScript& script, const std::string& name);
// Why a sound may be neither deleted nor renamed while the script code uses it (`lines`,
// from CodeLinesUsing; empty when it does not): the code would go on naming it, and the
// machine would stop with a script error there when it plays. Shown in a box of this caption.
inline const char kCodeUseCaption[] = "Used by the Script's Code";
std::string CodeUseRefusal(const std::string& name, const std::vector<int32_t>& lines, bool rename);

// Whether the text uses the name as a word of its own (not as part of a longer name).
bool TextUsesName(const std::string& text, const std::string& name);
// Whether the machine's JScript uses the name: its script code, the elements' scriptlets
// or the payouts' scriptlets. A rename does not change the JScript.
bool JScriptUsesName(const MachineScript& script, const std::string& name);
// The warning before such a rename, in a box of this caption that asks Yes or No.
inline const char kNameInJScriptCaption[] = "Name Used by the Script";
std::string NameInJScriptWarning(const std::string& name);

// The names a payout expression uses, and which of them a machine leaves undefined. A
// payout's code runs in the machine's JScript: it may call the script's own functions and
// read its variables, use the "machine" object and its members (which are global), the
// names of the machine's symbols, animations, sounds and elements, and the language's own
// words and objects. Any other name is undefined when the payout is paid.
#pragma once
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

// The names the code uses on their own: not after a ".", not inside a string, not the
// language's keywords or its built-in objects and functions. Each name once, in order.
std::vector<std::string> PayoutCodeNames(const std::string& code);
// The global names the script code declares: its functions (not the machine's event
// handlers) and its variables.
std::set<std::string> ScriptCodeNames(const std::string& scriptCode);
// The members of the "machine" object, and "machine" itself.
bool IsMachineObjectName(const std::string& name);
// The names of PayoutCodeNames(code) that isDefined does not know.
std::vector<std::string> UndefinedPayoutNames(const std::string& code,
                                              const std::function<bool(const std::string&)>& isDefined);

// A name that the code passes on its own to PlaySound ("machine.PlaySound(Whirr)"), with
// the line of the code it stands on (from 0). Comments are passed over; the code of a
// string (a timeout's) is read too.
struct PlayedSoundName {
    std::string name;
    int32_t line = 0;
};
std::vector<PlayedSoundName> PlayedSoundNames(const std::string& code);
// The names the code's functions take as their parameters.
std::set<std::string> ParameterNames(const std::string& code);

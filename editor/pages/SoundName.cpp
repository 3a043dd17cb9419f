#include "SoundName.h"

#include "KeywordTable.h"

namespace {
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsWordChar(char c) { return IsLetter(c) || (c >= '0' && c <= '9') || c == '_'; }

bool IsKeyword(const std::string& name) {
    for (int i = 0; i < KeywordCount; ++i)
        if (name == KeywordTable[i].name) return true;
    return false;
}
}  // namespace

std::string SoundNameRefusal(const std::string& name, const std::function<bool(const std::string&)>& isTaken) {
    if (name.empty()) return "A sound needs a name.";
    if (!IsLetter(name[0])) return "A sound's name must begin with a letter: " + name;
    for (char c : name)
        if (!IsWordChar(c)) return "A sound's name may hold only letters, digits and _: " + name;
    if (IsKeyword(name)) return name + " is a word of the script language and cannot name a sound.";
    if (isTaken && isTaken(name)) return name + " is already used in this machine.";
    return std::string();
}

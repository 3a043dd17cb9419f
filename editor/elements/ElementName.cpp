#include "ElementName.h"

std::string MakeValidName(const std::string& text) {
    std::string name = text;
    for (char& c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '_') c = '_';
    }
    return name;
}

std::string RenameRefusal(const std::string& name, const std::string& currentName, const std::string& kind,
                          const std::function<bool(const std::string&)>& isUsed) {
    if (name.empty()) return "Please enter a name for the " + kind + ".";
    if (name[0] >= '0' && name[0] <= '9') return "A name cannot start with a digit: \"" + name + "\".";
    if (name != currentName && isUsed(name)) return "The name \"" + name + "\" is already used.";
    return "";
}

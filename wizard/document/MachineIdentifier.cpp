#include "MachineIdentifier.h"

#include "WizardChoices.h"

namespace {

bool KeptInIdentifier(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == ' ' || c == '_';
}

}  // namespace

std::string IdentifierForName(const std::string& name)
{
    static const char kHex[] = "0123456789abcdef";
    std::string identifier;
    for (char ch : name) {
        if (identifier.size() > 130)
            break;
        const unsigned char c = static_cast<unsigned char>(ch);
        if (KeptInIdentifier(c)) {
            identifier += ch;
            continue;
        }
        identifier += '-';
        identifier += kHex[c >> 4];
        identifier += kHex[c & 15];
    }
    return identifier;
}

std::string DisplayNameFor(const std::string& name)
{
    std::string shown;
    for (char ch : name) {
        if (ch == '"')
            shown += "''";
        else
            shown += ch;
    }
    return shown;
}

void MachineNameToIdentifier(WizardChoices& document, const std::string& name)
{
    document.name = name;
    document.identifier = IdentifierForName(name);
    document.displayName = DisplayNameFor(name);
}

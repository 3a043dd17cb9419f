// The file name of a new machine made from the name the user typed, and the name as the
// machine's texts show it.
#pragma once
#include <string>

class WizardChoices;

// Letters, digits, blanks and "_" are kept; every other character becomes "-" and its
// code in two lower-case hexadecimal digits. Building stops once the identifier is longer
// than 130 characters.
std::string IdentifierForName(const std::string& name);

// The name with each double quote replaced by two single quotes.
std::string DisplayNameFor(const std::string& name);

// Sets the document's name, identifier and display name from `name`.
void MachineNameToIdentifier(WizardChoices& document, const std::string& name);

// Names that the author types for elements become valid script names.
#pragma once
#include <string>

// A copy of the text in which every character other than A-Z, a-z, 0-9 and "_" is
// replaced by "_" (so the length stays the same).
std::string MakeValidName(const std::string& text);

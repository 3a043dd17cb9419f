// Names that the author types for elements become valid script names.
#pragma once
#include <functional>
#include <string>

// A copy of the text in which every character other than A-Z, a-z, 0-9 and "_" is
// replaced by "_" (so the length stays the same).
std::string MakeValidName(const std::string& text);

// Why a typed name cannot become an element's new name: empty, starting with a digit, or
// already the name of something else (the current name itself may stay); empty when it
// can. The name is the valid one (MakeValidName); the kind word names the thing renamed.
std::string RenameRefusal(const std::string& name, const std::string& currentName, const std::string& kind,
                          const std::function<bool(const std::string&)>& isUsed);

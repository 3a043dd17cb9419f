// Whether a name typed for a sound can stand in the script: the language reads a name as
// one word of letters, digits and "_" that begins with a letter and is not one of its
// keywords, and a name may be defined only once.
#pragma once
#include <functional>
#include <string>

// Empty when the name is acceptable, else the reason it is refused, for the author.
std::string SoundNameRefusal(const std::string& name, const std::function<bool(const std::string&)>& isTaken);

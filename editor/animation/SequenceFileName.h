// Names of new sequence files: "anim" + a number + ".seq", from a counter that lives as
// long as the program and skips names that are already taken, so no file is overwritten.
#pragma once
#include <functional>
#include <string>

// The next free name; `exists` answers whether a file of that name is there.
std::string NextSequenceFileName(const std::function<bool(const std::string&)>& exists);
// Starts the counter at 0 again (for tests only; the program never resets it).
void ResetSequenceFileCounter();

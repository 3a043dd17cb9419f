// What the machine screen needs of a compiled machine before it can run it at all. A
// machine that fails here is refused when its file is built rather than when it is played.
#pragma once
#include <string>

class MachineScript;

// The game offers at most this many pay lines.
const int kMostPayLines = 5;

// The first reason the machine cannot be played, or an empty text when it can: no reels,
// no stops, a reel whose weights are all 0, more than five pay lines, or no denomination
// that a machine file can store.
std::string FindUnplayable(const MachineScript& machine);

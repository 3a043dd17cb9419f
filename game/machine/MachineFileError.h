// A machine file that cannot be played: missing, damaged, or describing a machine that the
// game cannot run. The text says why, for the player's error box.
#pragma once
#include <stdexcept>
#include <string>

class MachineFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

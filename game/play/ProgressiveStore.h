// Where progressive meters are kept: 32-bit numbers by name (section "General" in the game).
#pragma once
#include <cstdint>
#include <string>

class ProgressiveStore {
public:
    virtual ~ProgressiveStore() = default;
    // The stored number, or -1 when none is stored.
    virtual int32_t Read(const std::string& name) = 0;
    // False when the number could not be stored.
    virtual bool Write(const std::string& name, int32_t value) = 0;
};

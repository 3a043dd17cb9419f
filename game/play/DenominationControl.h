// The game's "Denomination" setting as a machine uses it: its lock, held while coins are
// bet, and the value written when the machine changes denomination.
#pragma once
#include <cstdint>

class DenominationControl {
public:
    virtual ~DenominationControl() = default;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    virtual void Store(int32_t cents) = 0;
};

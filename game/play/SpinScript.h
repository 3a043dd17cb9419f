// The machine's script as a spin sees it: its events and the evaluation of payout
// expressions.
#pragma once
#include <cstdint>
#include <string>

// What an event handler answered: nothing (no handler, an empty result, or a value that is
// no Boolean, which the script reports), true or false.
enum class ScriptAnswer { None, Yes, No };

class SpinScript {
public:
    virtual ~SpinScript() = default;
    virtual void OnReelsStart() = 0;
    virtual void OnReelStop(int reel) = 0;
    virtual ScriptAnswer OnAllReelsStop() = 0;
    virtual void OnPayment(int32_t amount, int32_t column, int32_t tableIndex) = 0;
    virtual void OnTotalPayment(int32_t total) = 0;
    virtual void OnMetersChange() = 0;
    // Evaluates a payout expression into a whole number of coins; false when it cannot.
    // `fileLine` is the script file's line of the payout (0 when not known), which the
    // expression's errors name.
    virtual bool EvaluatePayout(const std::string& expression, int32_t fileLine, int32_t& amount) = 0;
};

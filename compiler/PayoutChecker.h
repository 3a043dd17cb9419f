// The check of a payout's JScript expression by the script engine that evaluates it when
// the machine pays. The compiler has no engine of its own: the programs that build and
// analyse machines on the platform give it theirs, and without one an expression is taken
// as it stands.
#pragma once
#include <string>

class PayoutChecker {
public:
    virtual ~PayoutChecker() = default;
    // Empty when the engine reads the expression as the machine hands it over at play;
    // otherwise the engine's message ("Syntax error"). Nothing of the expression runs.
    virtual std::string EngineMessage(const std::string& expression) = 0;
};


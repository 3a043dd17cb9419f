// The payout checker of the Windows programs: the platform's JScript engine, through
// Active Scripting as the machine screen runs it, reads each expression in the form the
// machine screen hands it over at play (an expression, SCRIPTTEXT_ISEXPRESSION) in an engine
// of its own, with nothing of the machine published. The engine compiles a text whole
// before it runs any of it, so the expression goes after a statement line that stops the
// run at once: the compile says whether the expression reads, and none of it runs. A line
// before the text, unlike a wrapper round it, is nothing the text could close.
#pragma once
#include <map>
#include <string>

#include "PayoutChecker.h"

class EnginePayoutChecker : public PayoutChecker {
public:
    EnginePayoutChecker();
    ~EnginePayoutChecker() override;
    EnginePayoutChecker(const EnginePayoutChecker&) = delete;
    EnginePayoutChecker& operator=(const EnginePayoutChecker&) = delete;

    // Empty too when the engine cannot be had: the expression is then not checked.
    std::string EngineMessage(const std::string& expression) override;

private:
    std::string Check(const std::string& expression);

    bool comStarted_ = false;
    std::map<std::string, std::string> checked_;  // expression -> message
};

// The spin's view of a machine whose script does not run: no event has a handler, and a
// payout expression cannot be evaluated (it pays nothing).
#pragma once
#include "SpinScript.h"

class QuietSpinScript : public SpinScript {
public:
    void OnReelsStart() override {}
    void OnReelStop(int) override {}
    ScriptAnswer OnAllReelsStop() override { return ScriptAnswer::None; }
    void OnPayment(int32_t, int32_t, int32_t) override {}
    void OnTotalPayment(int32_t) override {}
    void OnMetersChange() override {}
    bool EvaluatePayout(const std::string&, int32_t&) override { return false; }
};

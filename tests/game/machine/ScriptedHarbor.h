// Glass Harbor with a machine script of the tests' own: handlers of the spin's events that
// show the payment on an extra indicator, "Tally", that only the script writes to.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "MachineFiles.h"

// The "Tally" indicator, for the art block.
inline const char kTallyIndicator[] = "  Indicator Tally { \"@/digits.bmp\" = 100, 100, 50 x 12 Digits = 5 }\n";

// The reels' stops counted left to right in `stopped`; each paying line shown on the tally
// as 1000 + payment x 10 + table index; the functions that the machine's scriptlets call
// ("WinnerPaid" updates counted in `cheers`); the scriptlet payout "Big()" pays 42.
inline const char kPaymentHandlers[] =
    "var stopped = 0;\n"
    "function machine::OnReelStop(kReel) { stopped = stopped * 10 + kReel + 1; return true; }\n"
    "function machine::OnAllReelsStop() { return 1; }\n"
    "function machine::OnPayment(payment, line, tableIndex) {\n"
    "  Tally.Value = 1000 + payment * 10 + tableIndex; return true;\n"
    "}\n"
    "function Go() {}\n"
    "function Big() { return 40 + 2; }\n"
    "var cheers = 0;\n"
    "function Cheer() { cheers++; }\n"
    "function Insert() {}\n";

// Glass Harbor with the machine script `code` in place of its own; `extra` goes into its art.
inline std::string GlassHarborScripted(const std::string& code, const std::string& extra = std::string()) {
    const std::string script = GlassHarbor(extra);
    const std::string own = "function Go() {\n}\nfunction Big() {\n}\nfunction Cheer() {\n}\nfunction Insert() {\n}\n";
    EXPECT_EQ(script.compare(script.size() - own.size(), own.size(), own), 0);
    return script.substr(0, script.size() - own.size()) + code;
}

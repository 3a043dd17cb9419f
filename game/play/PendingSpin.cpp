#include "PendingSpin.h"

#include "MoneyMath.h"
#include "PlayerRoster.h"
#include "SpinController.h"

void PayPendingSpin(PlayerRoster& roster, SpinController& spin, const std::string& machine) {
    const std::optional<HeldSpin> pending = roster.GetPendingSpin(machine);
    if (!pending) return;
    const auto win = CoinsValue(spin.EvaluateScriptletLines(*pending), pending->denomination);
    roster.PayPendingSpin(win ? *win : Money(INT32_MAX));
}

#include "PendingSpin.h"

#include "MoneyMath.h"
#include "PlayerRoster.h"
#include "SpinController.h"

void PayPendingSpin(PlayerRoster& roster, SpinController& spin, const std::string& machine) {
    // Each waiting spin once, the oldest first; a payment refused stops the rest until the
    // machine's next opening.
    for (auto pending = roster.GetPendingSpin(machine); pending; pending = roster.GetPendingSpin(machine)) {
        const auto win = CoinsValue(spin.EvaluateScriptletLines(*pending), pending->denomination);
        if (!roster.PayPendingSpin(machine, win ? *win : Money(INT32_MAX))) return;
    }
}

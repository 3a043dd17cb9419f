#include "Playability.h"

#include "DenominationMask.h"
#include "MachineScript.h"

namespace {

bool AllWeightsZero(const ReelStrip& strip) {
    for (const StripEntry& stop : strip)
        if (stop.weight != 0) return false;
    return true;
}

}  // namespace

std::string FindUnplayable(const MachineScript& machine) {
    if (machine.GetReelCount() < 1) return "The machine has no reels";
    if (machine.GetStopCount() < 1) return "The machine's reels have no stops";
    for (int32_t reel = 0; reel < machine.GetReelCount(); ++reel)
        if (AllWeightsZero(machine.GetReelStrip(reel)))
            return "Every stop of reel " + std::to_string(reel) + " has the weight 0";
    if (machine.GetPayLineCount() > kMostPayLines)
        return "The machine has " + std::to_string(machine.GetPayLineCount()) + " pay lines; at most " +
               std::to_string(kMostPayLines) + " can be played";
    if (DenominationMask(machine.GetDenominations()) == 0)
        return "None of the machine's denominations can be played (5 and 25 cents, 1, 5, 25 and 100 dollars can)";
    return std::string();
}

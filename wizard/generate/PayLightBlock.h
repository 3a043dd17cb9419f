// The JScript of a machine with pay lights ("ICoin1" to "ICoin5"): one light per coin bet,
// and after a paying spin a light that flashes from winning line to winning line while
// no coin is bet. The block's reel handlers play only the sounds the machine has.
#pragma once
#include <string>

std::string PayLightBlock(bool spinSound, bool reelStopSound);

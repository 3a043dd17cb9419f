// The lobby's ambient loop, as samples: a soft murmur of the casino floor with distant
// machine chimes, made to loop without a seam (every voice ends before the loop does).
#pragma once
#include "SoundSynth.h"

namespace content {

SampleBuffer AmbientLoop();

}  // namespace content

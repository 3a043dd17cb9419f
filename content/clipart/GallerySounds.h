// The gallery's sounds: twelve families (blips, chimes, clicks, coins, bells, buzzes,
// rises, falls, thuds, arpeggios, whirrs, fanfares) of 24 variations each, in that order,
// synthesized short and small, with the names the audio page lists.
#pragma once
#include <string>

#include "SoundSynth.h"

namespace content {

SampleBuffer GallerySound(int sound);
std::string GallerySoundName(int sound);

}  // namespace content

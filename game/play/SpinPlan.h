// Where the marked reels of a spin go: a full spin of at least a symbol per reel (each
// reel further than the one before when staggered), or the short way to a stop. The
// targets' current positions are read before; the drawn stops are in targetStop.
#pragma once
#include <vector>

#include "ReelTarget.h"
#include "SpinLayout.h"

// A full spin. Each marked reel's targetStop becomes the strip index that leaves the drawn
// stop on the centre row, and its target the first whole turn position of at least the
// minimum travel that shows it.
void PlanFullSpin(const SpinLayout& layout, std::vector<ReelTarget>& targets, const std::vector<bool>& marked,
                  bool stagger);

// The short way: forwards or backwards, whichever is shorter (never below position 0), with
// the reverse flag set exactly when the target lies behind the start.
void PlanShortMove(const SpinLayout& layout, std::vector<ReelTarget>& targets, const std::vector<bool>& marked);

// The scene of a built-in machine, painted over a rectangle of its backdrop: the sky in
// the theme's colours and the theme's motif over it.
#pragma once
#include "Canvas.h"
#include "MachineThemes.h"

namespace content {

void PaintScene(Canvas& c, const MachineTheme& theme, const RECT& r);

}  // namespace content

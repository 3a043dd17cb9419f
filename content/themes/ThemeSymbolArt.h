// A reel symbol of a built-in machine drawn from its shape, colour and caption on the
// machine's reel face.
#pragma once
#include "Canvas.h"
#include "MachineThemes.h"

namespace content {

void DrawThemeSymbol(Canvas& c, const ThemeSymbol& symbol);

}  // namespace content

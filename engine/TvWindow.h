// TV windows: the engine's output windows (class "BraskQUOR_TV").
#pragma once
#include <windows.h>

void RegisterTvWindowClass(HINSTANCE instance);
// Repaints what changed in every TV, in TV list order (frame thread, painting mutex held).
void RepaintTvs();

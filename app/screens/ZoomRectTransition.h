// The zoom towards a new screen window: an inverted rectangle outline that grows from one
// rectangle towards another in 15 steps of 19 ms, drawn twice at each place so that the
// window is left as it was.
#pragma once
#include <windows.h>

#include <vector>

const int kZoomSteps = 15;
const DWORD kZoomStepMilliseconds = 19;

// The rectangle of step i: from + (to - from) * i / 15 for each coordinate.
RECT ZoomStepRect(const RECT& from, const RECT& to, int step);

// Called after each outline is drawn; the transition waits with Sleep(19) by default.
using ZoomPause = void (*)(HWND window, const RECT& drawn, void* context);

void ZoomRectTransition(HWND window, const RECT& from, const RECT& to, ZoomPause pause = nullptr,
                        void* context = nullptr);

// The scroll bars of a window that shows art larger than its client area: each bar spans
// the art's extent on its axis with the client area as its page, shows only where the art
// does not fit, and tells where the view's corner goes when the player scrolls.
#pragma once
#include <windows.h>

class ArtScrollBars {
public:
    // Sets both bars of the window for the art's size with the view's corner at `at`; a bar
    // shows while the art is larger than the client area on its axis. The client area can
    // shrink as a bar shows, so this goes round until it is settled.
    static void Fit(HWND window, SIZE art, POINT at);
    // The view's corner after the scroll message (WM_HSCROLL's or WM_VSCROLL's wParam) on
    // that bar (SB_HORZ or SB_VERT); the bar is moved there.
    static POINT Scroll(HWND window, int bar, WPARAM request);
    // The view's corner the bars stand at now.
    static POINT Position(HWND window);
};

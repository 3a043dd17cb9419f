// The cross on the close box of a tool window's small caption, drawn with lines over the
// box that the system has just painted: the system draws it from a symbol font, and where
// that font is missing the box shows a letter instead.
#pragma once
#include <windows.h>

// The close box in window coordinates, where the system puts it on a tool window's caption.
RECT CloseBoxRect(HWND window);
// Draws the cross into the box; nothing for a window without a caption and a close box.
void DrawCloseGlyph(HWND window);

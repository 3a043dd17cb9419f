// Keeping a window that another one owns above its owner. Wine's X driver without a window
// manager raises a clicked owner past the windows it owns, and it restacks an X window only
// when that window goes to the very top of the z-order: a window put back "just above" its
// owner stays hidden on the display while a menu or a dialog is over both.
#pragma once
#include <windows.h>

#include <vector>

// Whether the window lies above the other one in the z-order.
bool IsAboveInZOrder(HWND window, HWND other);

// Puts the owned window over its owner, by way of the very top so that the display follows;
// the menu or dialog the player is in (the modal window, or none) then goes over it again.
void RaiseOverOwner(HWND owned, HWND modal);

// The box or dialog of this thread that keeps the given windows disabled: a visible, enabled
// top-level window of the thread other than them; none when there is no such window.
HWND FindThreadModal(const std::vector<HWND>& windows);

// The popup menu this thread shows; none when no menu is open.
HWND FindThreadMenu();

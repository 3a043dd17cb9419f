// The current screen window and the parked one (kept until the next idle pass).
#pragma once

class Window;

Window* GetCurrentScreen();
void SetCurrentScreen(Window* window);
Window* GetParkedScreen();
// Asks the current screen window whether it may close; false when it refuses. Otherwise
// its window is destroyed (true also when there is none).
bool CloseCurrentScreen();
// Deletes the parked window, moves the current one into the parked slot.
void ParkCurrentScreen();
void DeleteParkedScreen();

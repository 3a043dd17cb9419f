// Process-wide state of the game program shared by the window framework and the
// application object: the instance handle and the application-active flag.
#pragma once
#include <windows.h>

// The instance handle given to WinMain (the program's module until one is set).
HINSTANCE GetAppInstance();
void SetAppInstance(HINSTANCE instance);

// Written with the wParam of every WM_ACTIVATEAPP that reaches a framework window.
LONG GetApplicationActive();
void SetApplicationActive(LONG active);

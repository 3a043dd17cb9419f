// Makes sure that the game's CD can be read: when the intro movie is not found through
// "Movie Path", asks for the CD's drive until it is found or the player goes without it.
#pragma once
#include <windows.h>

#include "Window.h"

// True when the CD's data was found. False at once while the player goes without the CD
// or "PromptCD" is off.
bool PromptForCD(HINSTANCE instance, Window* parent);

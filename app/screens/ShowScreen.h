// Opening the current screen window: the one open before is asked to close and goes, the
// factory makes the new one, animates towards it and it is shown. Exceptions of its making
// are reported in the screen error box and leave the program as it was.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

class ScreenFactory;

// True when the new window was shown; false when the current one refused to close, the
// factory made none, or its creation failed.
bool ShowScreen(ScreenFactory& factory);
bool ShowNamedScreen(const std::string& machineFile);
bool ShowPlainScreen(int32_t number);
bool ShowScreenZoomed(int32_t number, const RECT& from);

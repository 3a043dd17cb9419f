// Puts the machine screens and the tool window into the program's screen factories: screen
// windows by number and by machine file, and machine screens by machine number (the other
// makers of the screen table stay as they are).
#pragma once

void InstallMachineScreens();

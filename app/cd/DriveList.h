// The drive list of the CD dialogs: a combo box with the root text ("E:\") of every drive
// that has a root directory (removable, fixed, remote, CD-ROM, RAM disk), in letter order.
#pragma once
#include <string>

#include "Window.h"

// Fills the list and selects the current CD drive (the first entry when it is not there).
void FillDriveList(Window& comboBox);
// Selects the entry of the current CD drive, when there is one.
void SelectCDDriveInList(Window& comboBox);
// The selected entry's text; the current CD drive's root when nothing is selected, so
// that a drive is always named.
std::string GetSelectedDrive(Window& comboBox);

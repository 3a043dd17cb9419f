// The parts every machine of ours has besides its backdrop and symbols, drawn and
// synthesized in the machine's colours and key: the four buttons with their lit and
// disabled frames, the meters' digits, the denomination plate's values, the arm's lever, the
// coin glow, the coin and the four sounds (MachineSounds.h, in the key that the prefix's
// machine has there). Each file is "<prefix>_<part>.bmp" or ".wav" in the machines folder.
#pragma once
#include <windows.h>

#include <string>

#include "ContentFolders.h"

namespace content {

struct CabinetLook {
    std::string prefix;
    COLORREF panel;       // behind the buttons
    COLORREF button;      // a button at rest
    COLORREF buttonLit;   // a lit button
    COLORREF knob;        // the lever's knob
    COLORREF coin;
};

void MakeCabinetParts(const ContentFolders& to, const CabinetLook& look);

// A machine's backdrop: as wide as the screen tool window that shows it, so that nothing of
// the cabinet lies beyond the window's right edge.
const int kMachineArtWidth = 600, kMachineArtHeight = 480;

// Writes the picture into the machines folder under its file name.
void SaveMachinePicture(const class Canvas& c, const ContentFolders& to, const std::string& name);

}  // namespace content

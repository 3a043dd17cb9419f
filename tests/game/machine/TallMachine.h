// A machine whose art is taller than any tool window: Glass Harbor with a backdrop of
// 600 x 900 pixels in bands of 100 rows, each of one plain colour, and a button whose
// bottom edge is at 860, the machine's lowest edge. Where the camera stands can be read
// from the colour at the top of the window.
#pragma once
#include <windows.h>

#include <string>

#include "MachineFiles.h"

const int kTallArtHeight = 900;
const int kTallLowestEdge = 860;
const int kBandRows = 100;

// Colours that the engine's 5 bits a channel show unchanged.
inline COLORREF BandColour(int band) {
    static const COLORREF kColours[] = {RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(0, 0, 255),
                                        RGB(255, 255, 0), RGB(0, 255, 255), RGB(255, 255, 255)};
    return kColours[band % 6];
}

// Replaces the folder's backdrop with the bands; the script of the machine.
inline std::string TallMachine(MachineFiles& files) {
    Bitmap b(600, kTallArtHeight, 24, false);
    for (int32_t y = 0; y < kTallArtHeight; ++y) {
        const COLORREF c = BandColour(y / kBandRows);
        for (int32_t x = 0; x < 600; ++x) {
            uint8_t* p = b.View().Row(y) + 3 * x;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    b.Save(files.Path("back.bmp"));
    std::string script = GlassHarbor("  Button Low { { { \"@/button.bmp\" } } = 10, 848 }\n");
    script.replace(script.find("Glass Harbor"), 12, "Tall Harbor");
    return script;
}

// What every machine of ours shows on its backdrop in the same places, where its script
// puts the meters and the coin acceptor's regions: the meters' labels, the bill acceptor
// (the "BillSlot" region), the coin slot ("CoinSlot") and the frame of the denomination
// plate ("DenomPlate"), and the plate's pictures, one per denomination.
#pragma once
#include <windows.h>

#include "Canvas.h"
#include "ContentFolders.h"

namespace content {

// The regions of the scripts' Art blocks, in backdrop pixels.
const RECT kBillSlotRegion{472, 336, 556, 372};
const RECT kCoinSlotRegion{472, 378, 556, 418};
const RECT kDenomPlateRegion{472, 424, 556, 460};

struct FrontLook {
    COLORREF panel;  // the acceptor's face
    COLORREF trim;   // its edges and the labels
};

void DrawMeterLabels(Canvas& c, COLORREF ink);
void DrawCoinAcceptor(Canvas& c, const FrontLook& look);

// "<prefix>_denom_25c.bmp", "_denom_1.bmp", "_denom_5.bmp", "_denom_25.bmp", "_denom_100.bmp":
// the values the plate shows, each as large as the plate's window.
void MakeDenominationPlates(const ContentFolders& to, const std::string& prefix);

}  // namespace content

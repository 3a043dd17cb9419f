#include "MachineSpinLayout.h"

SpinLayout MachineSpinLayout(const MachineRecords& records) {
    SpinLayout layout;
    layout.stopCount = records.stopCount;
    layout.symbolHeight = records.symbolHeight;
    layout.payLineCount = records.payLineCount;
    for (const ReelStripRecord& strip : records.strips) {
        PlayStrip stops;
        for (const StripStop& stop : strip.stops) stops.push_back(ReelStop{stop.symbol, uint32_t(stop.weight)});
        layout.strips.push_back(stops);
    }
    for (const ReelRectRecord& reel : records.reels) layout.windowHeights.push_back(reel.rect.bottom - reel.rect.top);
    return layout;
}

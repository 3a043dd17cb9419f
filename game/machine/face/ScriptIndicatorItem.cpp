#include "ScriptIndicatorItem.h"

#include "ScriptFault.h"
#include "ScriptItemEvents.h"

void ScriptIndicatorItem::SetValue(int32_t value) {
    if (!writer_)
        display_.SetValue(value);
    else if (!writer_(value))
        throw ScriptFault(E_INVALIDARG,
                          L"The machine does not take the value " + std::to_wstring(value) + L" for this indicator");
}

void ScriptIndicatorItem::SetShown(bool shown) {
    if (shown)
        display_.ShowValue();
    else
        display_.Blank();
}

void ScriptIndicatorItem::GetPosition(int32_t& x, int32_t& y, int32_t& depth) const {
    const POINT at = display_.GetPosition();
    x = at.x;
    y = at.y;
    depth = display_.GetDepth();
}

void ScriptIndicatorItem::LoopCell(int32_t cell, int32_t loops) {
    if (loops > 0)
        display_.AnimateCell(cell, loops);
    else
        display_.StopCell(cell);
}

// Mode 1 runs the frames over the cells one after another, mode 2 on all cells at once.
void ScriptIndicatorItem::PlayRange(int32_t mode, const int32_t parameters[4]) {
    if (mode == 1)
        display_.PlayWave(parameters[0], parameters[1], parameters[2], parameters[3]);
    else if (mode == 2)
        display_.PlayTogether(parameters[0], parameters[1], parameters[2], parameters[3]);
}

void ScriptIndicatorItem::AttachScriptEvents(ScriptEventSource* events) {
    display_.SetEventSink(ScriptItemEvents::For(events));
}

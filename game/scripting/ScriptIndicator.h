// What the script side needs of an indicator display ("Credit", "Bet", ...). Event:
// 1 OnUpdate, fired by the display when its value changes.
#pragma once
#include <cstdint>

#include "ScriptEventSource.h"

class ScriptIndicator {
public:
    virtual int32_t GetValue() const = 0;
    // A different value redraws the display, notifies its listeners and fires OnUpdate.
    virtual void SetValue(int32_t value) = 0;
    // False while the display is blanked.
    virtual bool IsShown() const = 0;
    virtual void SetShown(bool shown) = 0;
    virtual int32_t GetRate() const = 0;
    virtual void SetRate(int32_t framesPerSecond) = 0;
    virtual void GetPosition(int32_t& x, int32_t& y, int32_t& depth) const = 0;
    virtual void SetPosition(int32_t x, int32_t y, int32_t depth) = 0;
    virtual double GetRotation() const = 0;
    // Both re-apply rotation and scale to the sprites.
    virtual void SetRotation(double degrees) = 0;
    virtual double GetScale() const = 0;
    virtual void SetScale(double factor) = 0;
    virtual int32_t GetCellCount() const = 0;
    // Ignored when the frame is beyond the cell's sequence.
    virtual void ShowCellFrame(int32_t cell, int32_t frame) = 0;
    virtual void ShowAll() = 0;
    virtual void HideAll() = 0;
    virtual void LoopCell(int32_t cell, int32_t loops) = 0;
    virtual void PlayRange(int32_t mode, const int32_t parameters[4]) = 0;
    // The script's events while it runs, null afterwards.
    virtual void AttachScriptEvents(ScriptEventSource* events) = 0;

protected:
    ~ScriptIndicator() = default;
};

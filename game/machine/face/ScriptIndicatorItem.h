// An indicator display of the face as the script's indicator object sees it. The value of
// an indicator that play owns (the money meters, the progressive jackpot) is written
// through play, which shows it; a value that play refuses is a script error.
#pragma once
#include <functional>

#include "IndicatorDisplay.h"
#include "ScriptIndicator.h"

class ScriptIndicatorItem : public ScriptIndicator {
public:
    // Takes a value written by the script; false when it is refused.
    using ValueWriter = std::function<bool(int32_t)>;

    // writer: where the script's writes of the value go (empty: to the display).
    explicit ScriptIndicatorItem(IndicatorDisplay& display, ValueWriter writer = ValueWriter())
        : display_(display), writer_(std::move(writer)) {}

    int32_t GetValue() const override { return display_.GetValue(); }
    void SetValue(int32_t value) override;
    bool IsShown() const override { return !display_.IsBlank(); }
    void SetShown(bool shown) override;
    int32_t GetRate() const override { return display_.GetRate(); }
    void SetRate(int32_t framesPerSecond) override { display_.SetRate(framesPerSecond); }
    void GetPosition(int32_t& x, int32_t& y, int32_t& depth) const override;
    void SetPosition(int32_t x, int32_t y, int32_t depth) override { display_.PlaceAt(POINT{x, y}, depth); }
    double GetRotation() const override { return display_.GetRotation(); }
    void SetRotation(double degrees) override { display_.SetRotation(degrees); }
    double GetScale() const override { return display_.GetScale(); }
    void SetScale(double factor) override { display_.SetScale(factor); }
    int32_t GetCellCount() const override { return display_.GetCellCount(); }
    void ShowCellFrame(int32_t cell, int32_t frame) override { display_.SetCellFrame(cell, frame); }
    void ShowAll() override { display_.Show(); }
    void HideAll() override { display_.Hide(); }
    void LoopCell(int32_t cell, int32_t loops) override;
    void PlayRange(int32_t mode, const int32_t parameters[4]) override;
    void AttachScriptEvents(ScriptEventSource* events) override;

private:
    IndicatorDisplay& display_;
    ValueWriter writer_;
};

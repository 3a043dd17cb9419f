// What the script side needs of a reel of the machine.
#pragma once
#include <cstdint>

class ScriptReel {
public:
    // The symbol `row` places below the pay-line row (0 = the pay line).
    virtual int32_t GetSymbolAt(int32_t row) const = 0;
    virtual int32_t GetStopCount() const = 0;
    virtual void SetNextStop(int32_t stop) = 0;
    virtual int32_t GetPaylineStop() const = 0;
    // Draws the next stop by the stop weights; the stop is not reported.
    virtual void ChooseNextStop() = 0;
    virtual void AnimateSymbol(int32_t row, int32_t asset, int32_t sequence, int32_t loops) = 0;
    virtual void AnimateSymbolAtRate(int32_t row, int32_t asset, int32_t sequence, int32_t loops, int32_t rate) = 0;
    virtual void ShowSymbolFrame(int32_t row, int32_t asset, int32_t sequence, int32_t frame) = 0;
    virtual void StopSymbolAnimation() = 0;

protected:
    ~ScriptReel() = default;
};

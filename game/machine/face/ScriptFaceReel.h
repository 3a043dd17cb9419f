// A reel of the face as the script's reel object sees it. The script names animations by
// their numbers in the machine file; the reel plays them by the engine's asset handles.
#pragma once
#include "MachineFile.h"
#include "Reel.h"
#include "ScriptReel.h"

class ScriptFaceReel : public ScriptReel {
public:
    ScriptFaceReel(Reel& reel, const MachineFile& file) : reel_(reel), file_(file) {}

    int32_t GetSymbolAt(int32_t row) const override { return int32_t(reel_.GetSymbolAt(row)); }
    int32_t GetStopCount() const override { return int32_t(file_.Records().stopCount); }
    void SetNextStop(int32_t stop) override { reel_.SetNextStop(stop); }
    int32_t GetPaylineStop() const override { return reel_.GetPaylineStop(); }
    void ChooseNextStop() override { reel_.ChooseNextStop(); }
    void AnimateSymbol(int32_t row, int32_t asset, int32_t sequence, int32_t loops) override {
        reel_.AnimateSymbol(row, file_.Asset(uint32_t(asset)), uint32_t(sequence), loops);
    }
    void AnimateSymbolAtRate(int32_t row, int32_t asset, int32_t sequence, int32_t loops, int32_t rate) override {
        reel_.AnimateSymbolAtRate(row, file_.Asset(uint32_t(asset)), uint32_t(sequence), loops, rate);
    }
    void ShowSymbolFrame(int32_t row, int32_t asset, int32_t sequence, int32_t frame) override {
        reel_.ShowSymbolFrame(row, file_.Asset(uint32_t(asset)), uint32_t(sequence), uint32_t(frame));
    }
    void StopSymbolAnimation() override { reel_.StopSymbolAnimation(); }

private:
    Reel& reel_;
    const MachineFile& file_;
};

#include "ReelAutomation.h"

ReelAutomation::ReelAutomation(ITypeInfo* typeInfo) : DispatchObject(typeInfo, nullptr) {}

ScriptReel& ReelAutomation::Reel() {
    if (!reel_) throw ScriptFault(E_UNEXPECTED, L"The reels are not ready: use them in event handlers");
    return *reel_;
}

template <class Body>
HRESULT ReelAutomation::Run(Body body) {
    return Guard([&] {
        body(Reel());
        return S_OK;
    });
}

STDMETHODIMP ReelAutomation::get_Symbol(LONG* symbol) {
    return get_SymbolAt(0, symbol);
}

STDMETHODIMP ReelAutomation::SetStop(LONG stop) {
    return Run([&](ScriptReel& reel) {
        if (stop < 0 || stop >= reel.GetStopCount()) throw ScriptFault(E_INVALIDARG, L"The reel has no such stop");
        reel.SetNextStop(stop);
    });
}

STDMETHODIMP ReelAutomation::get_SymbolAt(LONG row, LONG* symbol) {
    if (!symbol) return E_POINTER;
    return Run([&](ScriptReel& reel) { *symbol = reel.GetSymbolAt(row); });
}

STDMETHODIMP ReelAutomation::get_Stop(LONG* stop) {
    if (!stop) return E_POINTER;
    return Run([&](ScriptReel& reel) { *stop = reel.GetPaylineStop(); });
}

STDMETHODIMP ReelAutomation::ChooseStop() {
    return Run([](ScriptReel& reel) { reel.ChooseNextStop(); });
}

STDMETHODIMP ReelAutomation::AnimateSymbol(LONG row, LONG asset, LONG sequence, LONG loops) {
    return Run([&](ScriptReel& reel) { reel.AnimateSymbol(row, asset, sequence, loops); });
}

STDMETHODIMP ReelAutomation::AnimateSymbolAtRate(LONG row, LONG asset, LONG sequence, LONG rate, LONG loops) {
    // The reel takes the loop count before the rate.
    return Run([&](ScriptReel& reel) { reel.AnimateSymbolAtRate(row, asset, sequence, loops, rate); });
}

STDMETHODIMP ReelAutomation::ShowSymbolFrame(LONG row, LONG asset, LONG sequence, LONG frame) {
    return Run([&](ScriptReel& reel) { reel.ShowSymbolFrame(row, asset, sequence, frame); });
}

STDMETHODIMP ReelAutomation::StopSymbolAnimation() {
    return Run([](ScriptReel& reel) { reel.StopSymbolAnimation(); });
}

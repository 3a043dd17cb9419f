// The script's object of one reel. It exists from the start of the script; its reel is
// attached once the machine screen has made its reels, and until then (the script's
// top-level code) every member answers a harmless error.
#pragma once
#include "DispatchObject.h"
#include "ScriptReel.h"
#include "SlotMachine.h"

class ReelAutomation : public DispatchObject<IReel> {
public:
    explicit ReelAutomation(ITypeInfo* typeInfo);

    void AttachReel(ScriptReel* reel) { reel_ = reel; }

    STDMETHODIMP get_Symbol(LONG* symbol) override;
    STDMETHODIMP SetStop(LONG stop) override;
    STDMETHODIMP get_SymbolAt(LONG row, LONG* symbol) override;
    STDMETHODIMP get_Stop(LONG* stop) override;
    STDMETHODIMP ChooseStop() override;
    STDMETHODIMP AnimateSymbol(LONG row, LONG asset, LONG sequence, LONG loops) override;
    STDMETHODIMP AnimateSymbolAtRate(LONG row, LONG asset, LONG sequence, LONG rate, LONG loops) override;
    STDMETHODIMP ShowSymbolFrame(LONG row, LONG asset, LONG sequence, LONG frame) override;
    STDMETHODIMP StopSymbolAnimation() override;

private:
    template <class Body>
    HRESULT Run(Body body);
    ScriptReel& Reel();

    ScriptReel* reel_ = nullptr;
};

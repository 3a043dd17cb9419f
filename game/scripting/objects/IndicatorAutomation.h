// The script's object of an indicator display.
#pragma once
#include "AutomationObject.h"
#include "ScriptIndicator.h"
#include "SlotMachine.h"

class IndicatorAutomation : public AutomationObject<IIndicator> {
public:
    IndicatorAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, ScriptIndicator* display);

    STDMETHODIMP get_Value(LONG* value) override;
    STDMETHODIMP put_Value(LONG value) override;
    STDMETHODIMP get_Visible(VARIANT_BOOL* shown) override;
    STDMETHODIMP put_Visible(VARIANT_BOOL shown) override;
    STDMETHODIMP get_Caption(BSTR* caption) override;
    STDMETHODIMP put_Caption(BSTR caption) override;
    STDMETHODIMP get_Digits(LONG* digits) override;
    STDMETHODIMP get_Rate(LONG* rate) override;
    STDMETHODIMP put_Rate(LONG rate) override;
    STDMETHODIMP get_X(LONG* x) override;
    STDMETHODIMP put_X(LONG x) override;
    STDMETHODIMP get_Y(LONG* y) override;
    STDMETHODIMP put_Y(LONG y) override;
    STDMETHODIMP get_Depth(LONG* depth) override;
    STDMETHODIMP put_Depth(LONG depth) override;
    STDMETHODIMP get_Rotation(double* degrees) override;
    STDMETHODIMP put_Rotation(double degrees) override;
    STDMETHODIMP get_Scale(double* factor) override;
    STDMETHODIMP put_Scale(double factor) override;
    STDMETHODIMP ShowCellFrame(LONG cell, LONG frame) override;
    STDMETHODIMP ShowSprites() override;
    STDMETHODIMP HideSprites() override;
    STDMETHODIMP Loop(LONG loops) override;
    STDMETHODIMP LoopCell(LONG cell, LONG loops) override;
    STDMETHODIMP ShowFrame(LONG frame) override;
    STDMETHODIMP PlayRange(LONG first, LONG last, LONG step, LONG loops) override;
    STDMETHODIMP PlayRangeBack(LONG first, LONG last, LONG step, LONG loops) override;
    STDMETHODIMP StopCell(LONG cell) override;
    STDMETHODIMP Stop() override;

    void Detach() override;

private:
    template <class Body>
    HRESULT Run(Body body);
    template <class T, class Get>
    HRESULT Read(T* out, Get get);
    // The display, after checking that the cell exists.
    ScriptIndicator& Cell(LONG cell);
    // x, y and depth with one of them replaced.
    HRESULT MoveTo(int which, LONG value);

    ScriptIndicator* display_;
};

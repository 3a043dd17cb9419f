#include "IndicatorAutomation.h"

IndicatorAutomation::IndicatorAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, ScriptIndicator* display)
    : AutomationObject(dispatchInfo, classInfo, &IID_IIndicator, DIID_IndicatorEvents), display_(display) {}

template <class Body>
HRESULT IndicatorAutomation::Run(Body body) {
    return Guard([&] {
        body(Attached(display_));
        return S_OK;
    });
}

template <class T, class Get>
HRESULT IndicatorAutomation::Read(T* out, Get get) {
    return Guard([&] {
        if (!out) return E_POINTER;
        *out = get(Attached(display_));
        return S_OK;
    });
}

ScriptIndicator& IndicatorAutomation::Cell(LONG cell) {
    ScriptIndicator& display = Attached(display_);
    if (cell < 0 || cell >= display.GetCellCount()) throw ScriptFault(E_INVALIDARG, L"The indicator has no such cell");
    return display;
}

namespace {

// x, y or depth of the display's position.
int32_t PlaceOf(const ScriptIndicator& display, int which) {
    int32_t place[3] = {};
    display.GetPosition(place[0], place[1], place[2]);
    return place[which];
}

}  // namespace

HRESULT IndicatorAutomation::MoveTo(int which, LONG value) {
    return Run([&](ScriptIndicator& display) {
        int32_t place[3] = {};
        display.GetPosition(place[0], place[1], place[2]);
        place[which] = value;
        display.SetPosition(place[0], place[1], place[2]);
    });
}

STDMETHODIMP IndicatorAutomation::get_Value(LONG* value) {
    return Read(value, [](ScriptIndicator& display) { return display.GetValue(); });
}

STDMETHODIMP IndicatorAutomation::put_Value(LONG value) {
    return Run([&](ScriptIndicator& display) { display.SetValue(value); });
}

STDMETHODIMP IndicatorAutomation::get_Visible(VARIANT_BOOL* shown) {
    return Read(shown, [](ScriptIndicator& display) { return display.IsShown() ? VARIANT_TRUE : VARIANT_FALSE; });
}

STDMETHODIMP IndicatorAutomation::put_Visible(VARIANT_BOOL shown) {
    return Run([&](ScriptIndicator& display) { display.SetShown(shown != VARIANT_FALSE); });
}

STDMETHODIMP IndicatorAutomation::get_Caption(BSTR* caption) {
    if (caption) *caption = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP IndicatorAutomation::put_Caption(BSTR) {
    return E_NOTIMPL;
}

STDMETHODIMP IndicatorAutomation::get_Digits(LONG* digits) {
    if (digits) *digits = 0;
    return E_NOTIMPL;
}

STDMETHODIMP IndicatorAutomation::get_Rate(LONG* rate) {
    return Read(rate, [](ScriptIndicator& display) { return display.GetRate(); });
}

STDMETHODIMP IndicatorAutomation::put_Rate(LONG rate) {
    return Run([&](ScriptIndicator& display) { display.SetRate(rate); });
}

STDMETHODIMP IndicatorAutomation::get_X(LONG* x) {
    return Read(x, [](ScriptIndicator& display) { return PlaceOf(display, 0); });
}

STDMETHODIMP IndicatorAutomation::put_X(LONG x) {
    return MoveTo(0, x);
}

STDMETHODIMP IndicatorAutomation::get_Y(LONG* y) {
    return Read(y, [](ScriptIndicator& display) { return PlaceOf(display, 1); });
}

STDMETHODIMP IndicatorAutomation::put_Y(LONG y) {
    return MoveTo(1, y);
}

STDMETHODIMP IndicatorAutomation::get_Depth(LONG* depth) {
    return Read(depth, [](ScriptIndicator& display) { return PlaceOf(display, 2); });
}

STDMETHODIMP IndicatorAutomation::put_Depth(LONG depth) {
    return MoveTo(2, depth);
}

STDMETHODIMP IndicatorAutomation::get_Rotation(double* degrees) {
    return Read(degrees, [](ScriptIndicator& display) { return display.GetRotation(); });
}

STDMETHODIMP IndicatorAutomation::put_Rotation(double degrees) {
    return Run([&](ScriptIndicator& display) { display.SetRotation(degrees); });
}

STDMETHODIMP IndicatorAutomation::get_Scale(double* factor) {
    return Read(factor, [](ScriptIndicator& display) { return display.GetScale(); });
}

STDMETHODIMP IndicatorAutomation::put_Scale(double factor) {
    return Run([&](ScriptIndicator& display) { display.SetScale(factor); });
}

STDMETHODIMP IndicatorAutomation::ShowCellFrame(LONG cell, LONG frame) {
    return Guard([&] {
        Cell(cell).ShowCellFrame(cell, frame);
        return S_OK;
    });
}

STDMETHODIMP IndicatorAutomation::ShowSprites() {
    return Run([](ScriptIndicator& display) { display.ShowAll(); });
}

STDMETHODIMP IndicatorAutomation::HideSprites() {
    return Run([](ScriptIndicator& display) { display.HideAll(); });
}

STDMETHODIMP IndicatorAutomation::Loop(LONG loops) {
    return Run([&](ScriptIndicator& display) {
        for (int32_t cell = 0; cell < display.GetCellCount(); ++cell) display.LoopCell(cell, loops);
    });
}

STDMETHODIMP IndicatorAutomation::LoopCell(LONG cell, LONG loops) {
    return Guard([&] {
        Cell(cell).LoopCell(cell, loops);
        return S_OK;
    });
}

STDMETHODIMP IndicatorAutomation::ShowFrame(LONG frame) {
    return Run([&](ScriptIndicator& display) {
        for (int32_t cell = 0; cell < display.GetCellCount(); ++cell) display.ShowCellFrame(cell, frame);
    });
}

STDMETHODIMP IndicatorAutomation::PlayRange(LONG first, LONG last, LONG step, LONG loops) {
    return Run([&](ScriptIndicator& display) {
        const int32_t parameters[4] = {first, last, step, loops};
        display.PlayRange(1, parameters);
    });
}

STDMETHODIMP IndicatorAutomation::PlayRangeBack(LONG first, LONG last, LONG step, LONG loops) {
    return Run([&](ScriptIndicator& display) {
        const int32_t parameters[4] = {first, last, step, loops};
        display.PlayRange(2, parameters);
    });
}

STDMETHODIMP IndicatorAutomation::StopCell(LONG cell) {
    return LoopCell(cell, 0);
}

STDMETHODIMP IndicatorAutomation::Stop() {
    return Loop(0);
}

void IndicatorAutomation::Detach() {
    display_ = nullptr;
    AutomationObject::Detach();
}

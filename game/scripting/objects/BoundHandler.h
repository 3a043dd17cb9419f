// A script function bound to one event of an object (the engine binds handlers written
// `function item::OnClick() {...}` through IBindEventHandler): a sink of the object's
// connection point that calls the function when its event fires.
#pragma once
#include "ComBase.h"
#include "ComRef.h"
#include "SingleInterfaceObject.h"

class BoundHandler final : public SingleInterfaceObject<IDispatch> {
public:
    BoundHandler(DISPID event, IDispatch* function);
    BoundHandler(const BoundHandler&) = delete;
    BoundHandler& operator=(const BoundHandler&) = delete;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    // Runs the function for its own event; other events are not its.
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

private:
    DISPID event_;
    ComRef<IDispatch> function_;
};

#include "BoundHandler.h"

BoundHandler::BoundHandler(DISPID event, IDispatch* function)
    : event_(event), function_(ComRef<IDispatch>::Shared(function)) {}

STDMETHODIMP BoundHandler::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) BoundHandler::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) BoundHandler::Release() {
    LONG count = InterlockedDecrement(&refs_);
    if (count == 0) delete this;
    return count;
}

STDMETHODIMP BoundHandler::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP BoundHandler::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BoundHandler::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP BoundHandler::Invoke(DISPID id, REFIID, LCID locale, WORD, DISPPARAMS* params, VARIANT* result,
                                  EXCEPINFO* exception, UINT* argError) {
    if (id != event_) return DISP_E_MEMBERNOTFOUND;
    ComRef<IDispatch> function = function_;  // the call may end this sink
    return function->Invoke(DISPID_VALUE, IID_NULL, locale, DISPATCH_METHOD, params, result, exception, argError);
}

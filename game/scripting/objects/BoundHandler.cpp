#include "BoundHandler.h"

BoundHandler::BoundHandler(DISPID event, IDispatch* function)
    : SingleInterfaceObject(IID_IDispatch), event_(event), function_(ComRef<IDispatch>::Shared(function)) {}

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

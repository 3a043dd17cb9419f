#include "ConnectionPoint.h"

#include <olectl.h>

#include "ComRef.h"
#include "ScriptCallScope.h"

ConnectionPoint::ConnectionPoint(IConnectionPointContainer* owner, const IID& eventIid)
    : owner_(owner), eventIid_(eventIid) {}

ConnectionPoint::~ConnectionPoint() {
    DropSinks();
}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IConnectionPoint) return E_NOINTERFACE;
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ConnectionPoint::AddRef() {
    return owner_->AddRef();
}

STDMETHODIMP_(ULONG) ConnectionPoint::Release() {
    return owner_->Release();
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_INVALIDARG;
    *iid = eventIid_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_INVALIDARG;
    owner_->AddRef();
    *container = owner_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_INVALIDARG;
    void* dispatch = nullptr;
    HRESULT hr = sink->QueryInterface(eventIid_, &dispatch);
    if (hr == E_NOINTERFACE) hr = sink->QueryInterface(IID_IDispatch, &dispatch);
    if (FAILED(hr)) return hr;
    for (size_t i = 0; i < sinks_.size(); ++i) {
        if (!sinks_[i]) {
            sinks_[i] = static_cast<IDispatch*>(dispatch);
            *cookie = static_cast<DWORD>(i + 1);
            return S_OK;
        }
    }
    try {
        sinks_.push_back(static_cast<IDispatch*>(dispatch));
    } catch (...) {
        static_cast<IDispatch*>(dispatch)->Release();
        return E_OUTOFMEMORY;
    }
    *cookie = static_cast<DWORD>(sinks_.size());
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    if (cookie == 0 || cookie > sinks_.size()) return E_INVALIDARG;
    IDispatch*& slot = sinks_[cookie - 1];
    if (!slot) return CONNECT_E_NOCONNECTION;
    IDispatch* sink = slot;
    slot = nullptr;
    sink->Release();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (connections) *connections = nullptr;
    return E_NOTIMPL;
}

void ConnectionPoint::FireEvent(DISPID id, VARIANTARG* args, UINT count) {
    FireEventWithResult(id, args, count, nullptr);
}

void ConnectionPoint::FireEventWithResult(DISPID id, VARIANTARG* args, UINT count, VARIANT* result) {
    // A handler may unadvise, stop the script or release the owner: call a counted copy.
    ComRef<IConnectionPointContainer> keep = ComRef<IConnectionPointContainer>::Shared(owner_);
    std::vector<ComRef<IDispatch>> sinks;
    for (IDispatch* sink : sinks_)
        if (sink) sinks.push_back(ComRef<IDispatch>::Shared(sink));
    ScriptCallScope call;
    for (const ComRef<IDispatch>& sink : sinks) {
        DISPPARAMS params = {args, nullptr, count, 0};
        EXCEPINFO exception = {};
        UINT argError = 0;
        sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result, &exception, &argError);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
}

void ConnectionPoint::DropSinks() {
    std::vector<IDispatch*> sinks;
    sinks.swap(sinks_);
    for (IDispatch* sink : sinks)
        if (sink) sink->Release();
}

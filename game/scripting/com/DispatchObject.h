// The common part of every scripted object: reference count, the dispatch type info,
// IUnknown and IDispatch over a dual interface I of the type library. Invoke goes through
// DispInvoke, keeps the object alive for the call and reports kept failures (see
// DispatchErrors).
#pragma once
#include "ComBase.h"
#include "ComRef.h"
#include "DispatchErrors.h"

template <class I>
class DispatchObject : public I {
public:
    // ownIid: the dual interface's identifier when QueryInterface answers it, else null.
    DispatchObject(ITypeInfo* typeInfo, const IID* ownIid) : typeInfo_(ComRef<ITypeInfo>::Shared(typeInfo)), ownIid_(ownIid) {}
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || (ownIid_ && iid == *ownIid_))
            *out = static_cast<I*>(this);
        else
            *out = QueryOther(iid);
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG count = InterlockedDecrement(&refs_);
        if (count == 0) {
            FinalRelease();
            delete this;
        }
        return count;
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return E_INVALIDARG;
        typeInfo_->AddRef();
        *info = typeInfo_.Get();
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
        AddRef();  // a member may let the last outside reference go
        HRESULT hr = InvokeMember(id, flags, params, result, exception, argError);
        Release();
        return hr;
    }

protected:
    virtual ~DispatchObject() = default;
    // Other interfaces of the object, without a reference added (QueryInterface adds it).
    virtual void* QueryOther(REFIID) { return nullptr; }
    // Called once when the count reaches zero, before the object is deleted.
    virtual void FinalRelease() {}
    virtual HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                 UINT* argError) {
        HRESULT hr = DispInvoke(static_cast<I*>(this), typeInfo_.Get(), id, flags, params, result, exception, argError);
        return errors_.Report(hr, exception);
    }
    template <class Body>
    HRESULT Guard(Body&& body) noexcept {
        return errors_.Guard(static_cast<Body&&>(body));
    }
    ITypeInfo* DispatchTypeInfo() const { return typeInfo_.Get(); }

private:
    volatile LONG refs_ = 1;
    ComRef<ITypeInfo> typeInfo_;
    const IID* ownIid_;
    DispatchErrors errors_;
};

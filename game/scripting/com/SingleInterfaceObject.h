// IUnknown of a COM object with one interface I (and IUnknown): its reference count
// starts at 1 and the object deletes itself when it reaches 0.
#pragma once
#include "ComBase.h"

template <class I>
class SingleInterfaceObject : public I {
public:
    explicit SingleInterfaceObject(const IID& iid) : iid_(iid) {}
    SingleInterfaceObject(const SingleInterfaceObject&) = delete;
    SingleInterfaceObject& operator=(const SingleInterfaceObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != iid_) return E_NOINTERFACE;
        *out = static_cast<I*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG count = InterlockedDecrement(&refs_);
        if (count == 0) delete this;
        return count;
    }

protected:
    virtual ~SingleInterfaceObject() = default;

private:
    volatile LONG refs_ = 1;
    const IID& iid_;
};

// The common shape of the scripted items and of the "machine" object: a dual dispatch
// interface, IProvideClassInfo2, IConnectionPointContainer with one connection point for
// the object's event interface, and IBindEventHandler, through which JScript binds the
// handlers written `function name::Event(...)` (each becomes a sink of that point).
#pragma once
#include <activscp.h>
#include <ocidl.h>

#include "BoundHandler.h"
#include "ConnectionPoint.h"
#include "DispatchObject.h"
#include "EventTypes.h"
#include "ScriptEventSource.h"

template <class I>
class AutomationObject : public DispatchObject<I>,
                         public IProvideClassInfo2,
                         public IConnectionPointContainer,
                         public IBindEventHandler,
                         public ScriptEventSource {
    using Base = DispatchObject<I>;

public:
    AutomationObject(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, const IID* ownIid, const IID& eventIid)
        : Base(dispatchInfo, ownIid),
          classInfo_(ComRef<ITypeInfo>::Shared(classInfo)),
          connection_(static_cast<IConnectionPointContainer*>(this), eventIid) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override { return Base::QueryInterface(iid, out); }
    STDMETHODIMP_(ULONG) AddRef() override { return Base::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return Base::Release(); }

    STDMETHODIMP GetClassInfo(ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = classInfo_.Get();
        if (*info) (*info)->AddRef();
        return *info ? S_OK : E_UNEXPECTED;
    }
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override {
        if (!guid) return E_POINTER;
        if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
        *guid = connection_.EventIid();
        return S_OK;
    }

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override {
        if (points) *points = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
        if (!point) return E_POINTER;
        *point = nullptr;
        if (iid != IID_IDispatch && iid != connection_.EventIid()) return E_NOINTERFACE;
        connection_.AddRef();
        *point = &connection_;
        return S_OK;
    }

    STDMETHODIMP BindHandler(LPCOLESTR event, IDispatch* function) override {
        if (!event || !function) return E_INVALIDARG;
        return this->Guard([&] {
            ComRef<ITypeInfo> events = FindEventInterface(classInfo_.Get());
            DISPID id = 0;
            if (!FindEventId(events.Get(), event, id)) return DISP_E_UNKNOWNNAME;
            ComRef<BoundHandler> handler;
            handler.Adopt(new BoundHandler(id, function));
            DWORD cookie = 0;
            return connection_.Advise(handler.Get(), &cookie);
        });
    }

    void FireEvent(DISPID id) override { connection_.FireEvent(id, nullptr, 0); }
    void FireEvent1() { FireEvent(1); }
    void FireEvent2() { FireEvent(2); }
    void FireEvent3() { FireEvent(3); }

    // The script stops: the handlers go (they hold the engine) and the object forgets
    // what it wraps, so that later calls from a script that still holds it fail harmlessly.
    virtual void Detach() { connection_.DropSinks(); }

    ConnectionPoint& Connection() { return connection_; }
    ITypeInfo* ClassTypeInfo() const { return classInfo_.Get(); }

protected:
    void* QueryOther(REFIID iid) override {
        if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
            return static_cast<IProvideClassInfo2*>(this);
        if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
        if (iid == IID_IBindEventHandler) return static_cast<IBindEventHandler*>(this);
        return nullptr;
    }

private:
    ComRef<ITypeInfo> classInfo_;
    ConnectionPoint connection_;
};

// The wrapped item of a member, or a harmless error when the script has stopped.
template <class T>
T& Attached(T* item) {
    if (!item) throw ScriptFault(E_UNEXPECTED, L"The machine is no longer running this script");
    return *item;
}

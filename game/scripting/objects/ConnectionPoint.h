// The event source of every automation object: the sinks advised for one event interface,
// each called in slot order when an event fires. Embedded in its owner, whose reference
// count it shares.
#pragma once
#include <ocidl.h>

#include <vector>

#include "ComBase.h"

class ConnectionPoint : public IConnectionPoint {
public:
    ConnectionPoint(IConnectionPointContainer* owner, const IID& eventIid);
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;
    ~ConnectionPoint();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

    // Calls every advised sink with the arguments (in IDispatch order, last first). The
    // sinks share one result VARIANT when one is given, so the last sink's answer counts.
    void FireEvent(DISPID id, VARIANTARG* args, UINT count);
    void FireEventWithResult(DISPID id, VARIANTARG* args, UINT count, VARIANT* result);
    // Releases every sink (the script engine's handlers hold the engine).
    void DropSinks();
    const IID& EventIid() const { return eventIid_; }

private:
    IConnectionPointContainer* owner_;
    IID eventIid_;
    std::vector<IDispatch*> sinks_;
};

// The members that the sprite item's and the region item's objects share: hot key, its
// flags, disable and enable, over the wrapped face item.
#pragma once
#include "AutomationObject.h"
#include "ScriptFaceItem.h"

template <class I, class Item>
class FaceItemAutomation : public AutomationObject<I> {
public:
    FaceItemAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, const IID* ownIid, const IID& eventIid, Item* item)
        : AutomationObject<I>(dispatchInfo, classInfo, ownIid, eventIid), item_(item) {}

    STDMETHODIMP get_HotKey(LONG* key) override {
        return Read(key, [](Item& item) { return item.GetHotKey(); });
    }
    // Keeps the flags.
    STDMETHODIMP put_HotKey(LONG key) override {
        return Write([&](Item& item) { item.SetHotKey(key, item.GetHotKeyFlags()); });
    }
    STDMETHODIMP get_HotKeyFlags(LONG* flags) override {
        return Read(flags, [](Item& item) { return item.GetHotKeyFlags(); });
    }
    // Keeps the key.
    STDMETHODIMP put_HotKeyFlags(LONG flags) override {
        return Write([&](Item& item) { item.SetHotKey(item.GetHotKey(), flags); });
    }
    STDMETHODIMP Disable() override {
        return Write([](Item& item) { item.SetState(0); });
    }
    STDMETHODIMP Enable() override {
        return Write([](Item& item) { item.SetState(1); });
    }

    void Detach() override {
        item_ = nullptr;
        AutomationObject<I>::Detach();
    }

protected:
    template <class Get>
    HRESULT Read(LONG* out, Get get) {
        return this->Guard([&] {
            if (!out) return E_POINTER;
            *out = get(Attached(item_));
            return S_OK;
        });
    }
    template <class Set>
    HRESULT Write(Set set) {
        return this->Guard([&] {
            set(Attached(item_));
            return S_OK;
        });
    }

private:
    Item* item_;
};

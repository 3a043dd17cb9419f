// The script-event side of an item: the sink the item's events go to (the automation
// object that scripts see), released when the item goes.
#pragma once
#include <cstdint>

#include "ItemEventSink.h"

class ItemEventSource {
public:
    ItemEventSource() = default;
    ItemEventSource(const ItemEventSource&) = delete;
    ItemEventSource& operator=(const ItemEventSource&) = delete;
    ~ItemEventSource() {
        if (sink_) sink_->Release();
    }

    // The sink held before, if another, is released.
    void SetEventSink(ItemEventSink* sink) {
        if (sink_ && sink_ != sink) sink_->Release();
        sink_ = sink;
    }
    ItemEventSink* GetEventSink() const { return sink_; }
    void Fire(int32_t dispid) {
        if (sink_) sink_->FireItemEvent(dispid);
    }

private:
    ItemEventSink* sink_ = nullptr;
};

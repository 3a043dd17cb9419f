// Carries an item's events (clicks, focus, value updates) to the automation object that
// the script sees for it. The item owns the carrier and releases it when it goes or when
// the script takes its object back.
#pragma once
#include "ItemEventSink.h"
#include "ScriptEventSource.h"

class ScriptItemEvents final : public ItemEventSink {
public:
    explicit ScriptItemEvents(ScriptEventSource& events) : events_(events) {}
    void FireItemEvent(int32_t dispid) override { events_.FireEvent(DISPID(dispid)); }
    void Release() override { delete this; }

    // What an item's SetEventSink takes for the script's object (null: none).
    static ItemEventSink* For(ScriptEventSource* events) { return events ? new ScriptItemEvents(*events) : nullptr; }

private:
    ScriptEventSource& events_;
};

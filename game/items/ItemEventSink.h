// Where an item's script events go: the automation object that scripts see implements it.
// The item calls Release when it is destroyed and holds the sink until then.
#pragma once
#include <cstdint>

class ItemEventSink {
public:
    // The item events by dispatch id.
    static constexpr int32_t kOnClick = 1, kOnUpdate = 1, kOnFocus = 2, kOnBlur = 3, kOnHover = 4, kOnLeave = 5;

    virtual void FireItemEvent(int32_t dispid) = 0;
    virtual void Release() = 0;

protected:
    ~ItemEventSink() = default;
};

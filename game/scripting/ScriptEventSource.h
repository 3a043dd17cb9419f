// What an item holds to fire its scripted events (OnClick, OnUpdate, ...): the item's
// automation object, given to the item when the script starts and taken back (null)
// when it stops.
#pragma once
#include <windows.h>
#include <oaidl.h>

class ScriptEventSource {
public:
    // Fires the event of that dispatch identifier without arguments or result.
    virtual void FireEvent(DISPID id) = 0;

protected:
    ~ScriptEventSource() = default;
};

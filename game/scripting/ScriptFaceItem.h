// What the script side needs of a face element that a script can see (a button or
// animation with scriptlets, or a region): its hot key and state. The play side's items
// implement it; the item keeps the event source it is given to fire its events.
#pragma once
#include <cstdint>

#include "ScriptEventSource.h"

class ScriptFaceItem {
public:
    virtual int32_t GetHotKey() const = 0;
    // The SHIFT, CTRL and ALT bits as the machine file gives them.
    virtual int32_t GetHotKeyFlags() const = 0;
    virtual void SetHotKey(int32_t key, int32_t flags) = 0;
    // 0 disabled, 1 enabled.
    virtual void SetState(int32_t state) = 0;
    // The item's automation object while the script runs, null afterwards.
    virtual void AttachScriptEvents(ScriptEventSource* events) = 0;

protected:
    ~ScriptFaceItem() = default;
};

// A button or animation that carries scriptlets. Events: 1 OnClick, 2 OnFocus, 3 OnBlur.
class ScriptSpriteItem : public ScriptFaceItem {
public:
    // As a click: fires OnClick and runs the element's action.
    virtual void InvokeAction() = 0;

protected:
    ~ScriptSpriteItem() = default;
};

// A clickable region. Events: 1 OnClick, 2 OnFocus, 3 OnBlur, 4 OnEnter, 5 OnLeave.
class ScriptRegionItem : public ScriptFaceItem {
public:
    virtual int32_t GetOriginX() const = 0;
    virtual int32_t GetOriginY() const = 0;
    virtual void SetOriginX(int32_t x) = 0;
    virtual void SetOriginY(int32_t y) = 0;

protected:
    ~ScriptRegionItem() = default;
};

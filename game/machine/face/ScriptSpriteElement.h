// A sprite item of the face (a button or an animation) as the script's sprite object sees
// it. The item keeps no readable hot key, so the last one given is kept here.
#pragma once
#include "ScriptFaceItem.h"
#include "SpriteItem.h"

class ScriptSpriteElement : public ScriptSpriteItem {
public:
    ScriptSpriteElement(SpriteItem& item, int32_t hotKey, int32_t hotKeyFlags)
        : item_(item), hotKey_(hotKey), hotKeyFlags_(hotKeyFlags) {}

    int32_t GetHotKey() const override { return hotKey_; }
    int32_t GetHotKeyFlags() const override { return hotKeyFlags_; }
    void SetHotKey(int32_t key, int32_t flags) override;
    void SetState(int32_t state) override { item_.SetState(state ? 1 : 0); }
    void AttachScriptEvents(ScriptEventSource* events) override;
    void InvokeAction() override { item_.InvokeAction(); }

private:
    SpriteItem& item_;
    int32_t hotKey_, hotKeyFlags_;
};

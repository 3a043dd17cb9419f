// A face element (a sprite item or a region item) as the script's object for it sees it:
// its hot key, state and events. The element keeps no readable hot key, so the last one
// given is kept here.
#pragma once
#include "RegionItem.h"
#include "ScriptFaceItem.h"
#include "ScriptItemEvents.h"
#include "SpriteItem.h"

template <class ScriptView, class Element>
class ScriptFaceElement : public ScriptView {
public:
    ScriptFaceElement(Element& element, int32_t hotKey, int32_t hotKeyFlags)
        : element_(element), hotKey_(hotKey), hotKeyFlags_(hotKeyFlags) {}

    int32_t GetHotKey() const override { return hotKey_; }
    int32_t GetHotKeyFlags() const override { return hotKeyFlags_; }
    void SetHotKey(int32_t key, int32_t flags) override {
        hotKey_ = key;
        hotKeyFlags_ = flags;
        element_.SetHotKey(uint32_t(key), uint32_t(flags));
    }
    void SetState(int32_t state) override { element_.SetState(state ? 1 : 0); }
    void AttachScriptEvents(ScriptEventSource* events) override {
        element_.SetEventSink(ScriptItemEvents::For(events));
    }

protected:
    Element& element_;

private:
    int32_t hotKey_, hotKeyFlags_;
};

class ScriptSpriteElement : public ScriptFaceElement<ScriptSpriteItem, SpriteItem> {
public:
    using ScriptFaceElement::ScriptFaceElement;
    void InvokeAction() override { element_.InvokeAction(); }
};

class ScriptRegionElement : public ScriptFaceElement<ScriptRegionItem, RegionItem> {
public:
    using ScriptFaceElement::ScriptFaceElement;
    int32_t GetOriginX() const override { return element_.GetOrigin().x; }
    int32_t GetOriginY() const override { return element_.GetOrigin().y; }
    void SetOriginX(int32_t x) override { element_.SetOriginX(x); }
    void SetOriginY(int32_t y) override { element_.SetOriginY(y); }
};

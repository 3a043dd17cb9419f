#include "ScriptSpriteElement.h"

#include "ScriptItemEvents.h"

void ScriptSpriteElement::SetHotKey(int32_t key, int32_t flags) {
    hotKey_ = key;
    hotKeyFlags_ = flags;
    item_.SetHotKey(uint32_t(key), uint32_t(flags));
}

void ScriptSpriteElement::AttachScriptEvents(ScriptEventSource* events) {
    item_.SetEventSink(ScriptItemEvents::For(events));
}

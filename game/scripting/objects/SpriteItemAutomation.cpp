#include "SpriteItemAutomation.h"

SpriteItemAutomation::SpriteItemAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, ScriptSpriteItem* item)
    : FaceItemAutomation(dispatchInfo, classInfo, &IID_ISpriteItem, DIID_SpriteItemEvents, item) {}

STDMETHODIMP SpriteItemAutomation::get_Tag(LONG* tag) {
    if (tag) *tag = 0;
    return E_NOTIMPL;
}

STDMETHODIMP SpriteItemAutomation::Click() {
    return Write([](ScriptSpriteItem& item) { item.InvokeAction(); });
}

// The script's object of a sprite item (a button or animation with scriptlets).
#pragma once
#include "FaceItemAutomation.h"
#include "SlotMachine.h"

class SpriteItemAutomation : public FaceItemAutomation<ISpriteItem, ScriptSpriteItem> {
public:
    SpriteItemAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, ScriptSpriteItem* item);

    STDMETHODIMP get_Tag(LONG* tag) override;
    // Clicks the element: fires OnClick and runs its action.
    STDMETHODIMP Click() override;
};

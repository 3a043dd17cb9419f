// The script's object of a region item.
#pragma once
#include "FaceItemAutomation.h"
#include "SlotMachine.h"

class RegionItemAutomation : public FaceItemAutomation<IRegionItem, ScriptRegionItem> {
public:
    RegionItemAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, ScriptRegionItem* item);

    STDMETHODIMP get_X(LONG* x) override;
    STDMETHODIMP put_X(LONG x) override;
    STDMETHODIMP get_Y(LONG* y) override;
    STDMETHODIMP put_Y(LONG y) override;

    // The pointer entered or left the region.
    void FireEvent4() { FireEvent(4); }
    void FireEvent5() { FireEvent(5); }
};

#include "RegionItemAutomation.h"

RegionItemAutomation::RegionItemAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, ScriptRegionItem* item)
    : FaceItemAutomation(dispatchInfo, classInfo, &IID_IRegionItem, DIID_RegionItemEvents, item) {}

STDMETHODIMP RegionItemAutomation::get_X(LONG* x) {
    return Read(x, [](ScriptRegionItem& item) { return item.GetOriginX(); });
}

STDMETHODIMP RegionItemAutomation::put_X(LONG x) {
    return Write([&](ScriptRegionItem& item) { item.SetOriginX(x); });
}

STDMETHODIMP RegionItemAutomation::get_Y(LONG* y) {
    return Read(y, [](ScriptRegionItem& item) { return item.GetOriginY(); });
}

STDMETHODIMP RegionItemAutomation::put_Y(LONG y) {
    return Write([&](ScriptRegionItem& item) { item.SetOriginY(y); });
}

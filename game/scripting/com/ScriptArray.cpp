#include "ScriptArray.h"

#include "ComRef.h"
#include "ScriptFault.h"

namespace {

LONG ConvertElement(const VARIANT& element, VARTYPE type) {
    VARIANT converted;
    VariantInit(&converted);
    CheckComResult(VariantChangeType(&converted, const_cast<VARIANT*>(&element), 0, type));
    LONG value = type == VT_I2 ? V_I2(&converted) : V_I4(&converted);
    VariantClear(&converted);
    return value;
}

std::vector<LONG> ReadSafeArray(SAFEARRAY* array, VARTYPE type) {
    if (!array || SafeArrayGetDim(array) != 1) throw ScriptFault(E_INVALIDARG, L"A one-dimensional array is needed");
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    std::vector<LONG> values;
    for (LONG i = lower; i <= upper; ++i) {
        VARIANT element;
        VariantInit(&element);
        CheckComResult(SafeArrayGetElement(array, &i, &element));
        LONG value = ConvertElement(element, type);
        VariantClear(&element);
        values.push_back(value);
    }
    return values;
}

// One property of a script object by name; VT_EMPTY when it has none.
VARIANT GetProperty(IDispatch* object, const std::wstring& name) {
    VARIANT value;
    VariantInit(&value);
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name.c_str())};
    DISPID id = 0;
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id))) return value;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    CheckComResult(object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr));
    return value;
}

std::vector<LONG> ReadScriptObject(IDispatch* object, VARTYPE type) {
    if (!object) throw ScriptFault(E_INVALIDARG, L"An array is needed");
    VARIANT length = GetProperty(object, L"length");
    if (V_VT(&length) == VT_EMPTY) throw ScriptFault(E_INVALIDARG, L"An array is needed");
    LONG count = ConvertElement(length, VT_I4);
    VariantClear(&length);
    std::vector<LONG> values;
    for (LONG i = 0; i < count; ++i) {
        VARIANT element = GetProperty(object, std::to_wstring(i));
        values.push_back(ConvertElement(element, type));
        VariantClear(&element);
    }
    return values;
}

}  // namespace

std::vector<LONG> ReadIntegerArray(const VARIANT& value, VARTYPE elementType) {
    const VARIANT* v = &value;
    while (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
    if (V_VT(v) == (VT_ARRAY | VT_VARIANT)) return ReadSafeArray(V_ARRAY(v), elementType);
    if (V_VT(v) == (VT_BYREF | VT_ARRAY | VT_VARIANT)) return ReadSafeArray(*V_ARRAYREF(v), elementType);
    if (V_VT(v) == VT_DISPATCH) return ReadScriptObject(V_DISPATCH(v), elementType);
    throw ScriptFault(E_INVALIDARG, L"An array is needed");
}

// The rule for members that answer to names the type library does not have (the machine's
// symbol, animation and sound names, the reel collection's digit names): read-only, so a
// method call or property get, without arguments.
#pragma once
#include <windows.h>
#include <oaidl.h>

inline HRESULT CheckNamedNumberCall(WORD flags, const DISPPARAMS* params) {
    if (!(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) return DISP_E_MEMBERNOTFOUND;
    if (params && params->cNamedArgs > 0) return DISP_E_NONAMEDARGS;
    if (params && params->cArgs > 0) return DISP_E_BADPARAMCOUNT;
    return S_OK;
}

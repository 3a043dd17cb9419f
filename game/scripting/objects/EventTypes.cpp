#include "EventTypes.h"

ComRef<ITypeInfo> FindEventInterface(ITypeInfo* classInfo) {
    ComRef<ITypeInfo> events;
    TYPEATTR* attributes = nullptr;
    if (!classInfo || FAILED(classInfo->GetTypeAttr(&attributes))) return events;
    WORD count = attributes->cImplTypes;
    classInfo->ReleaseTypeAttr(attributes);
    for (UINT i = 0; i < count; ++i) {
        INT flags = 0;
        HREFTYPE reference = 0;
        if (FAILED(classInfo->GetImplTypeFlags(i, &flags))) continue;
        if ((flags & (IMPLTYPEFLAG_FSOURCE | IMPLTYPEFLAG_FDEFAULT)) != (IMPLTYPEFLAG_FSOURCE | IMPLTYPEFLAG_FDEFAULT))
            continue;
        if (SUCCEEDED(classInfo->GetRefTypeOfImplType(i, &reference)))
            classInfo->GetRefTypeInfo(reference, events.Out());
        break;
    }
    return events;
}

bool FindEventId(ITypeInfo* events, const wchar_t* name, DISPID& id) {
    if (!events || !name) return false;
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
    return SUCCEEDED(events->GetIDsOfNames(names, 1, &id));
}

std::vector<std::wstring> EventArgumentNames(ITypeInfo* events, DISPID id) {
    std::vector<std::wstring> arguments;
    BSTR names[16] = {};
    UINT count = 0;
    if (!events || FAILED(events->GetNames(id, names, 16, &count))) return arguments;
    for (UINT i = 0; i < count; ++i) {
        if (i > 0) arguments.emplace_back(names[i]);
        SysFreeString(names[i]);
    }
    return arguments;
}

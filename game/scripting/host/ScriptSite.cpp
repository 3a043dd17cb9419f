#include "ScriptSite.h"

#include "ScriptFault.h"

ScriptSite::ScriptSite(ITypeInfo* machineInterface, ITypeInfo* machineClass, ScriptErrorSink* errors)
    : SingleInterfaceObject(IID_IActiveScriptSite),
      machineInterface_(ComRef<ITypeInfo>::Shared(machineInterface)),
      machineClass_(ComRef<ITypeInfo>::Shared(machineClass)),
      errors_(errors) {}

void ScriptSite::AddNamedItem(const std::wstring& name, IUnknown* object, bool global) {
    items_[name].Share(object);
    if (!engine_) CheckComResult(E_POINTER);
    DWORD flags = SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE | (global ? SCRIPTITEM_GLOBALMEMBERS : 0);
    CheckComResult(engine_->AddNamedItem(name.c_str(), flags));
}

void ScriptSite::Close() {
    engine_.Reset();
    items_.clear();
    errors_ = nullptr;
}

STDMETHODIMP ScriptSite::GetLCID(LCID*) {
    return E_NOTIMPL;
}

STDMETHODIMP ScriptSite::GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** object, ITypeInfo** typeInfo) {
    if (mask & SCRIPTINFO_ITYPEINFO) {
        if (!typeInfo) return E_INVALIDARG;
        *typeInfo = nullptr;
    }
    if (mask & SCRIPTINFO_IUNKNOWN) {
        if (!object) return E_INVALIDARG;
        *object = nullptr;
    }
    decltype(items_)::iterator item;
    try {
        item = name ? items_.find(name) : items_.end();
    } catch (...) {
        return E_OUTOFMEMORY;  // nothing may unwind into the engine
    }
    if (item == items_.end()) return E_INVALIDARG;
    if (mask & SCRIPTINFO_IUNKNOWN) {
        *object = item->second.Get();
        (*object)->AddRef();
        return S_OK;
    }
    if (!(mask & SCRIPTINFO_ITYPEINFO)) return S_OK;
    if (lstrcmpiW(name, L"machine") == 0) {
        machineClass_->AddRef();
        *typeInfo = machineClass_.Get();
        return S_OK;
    }
    ComRef<IProvideClassInfo> classInfo;
    if (SUCCEEDED(item->second->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(classInfo.Out()))))
        classInfo->GetClassInfo(typeInfo);
    return S_OK;
}

STDMETHODIMP ScriptSite::GetDocVersionString(BSTR* version) {
    if (version) *version = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ScriptSite::OnScriptTerminate(const VARIANT*, const EXCEPINFO*) {
    return S_OK;
}

STDMETHODIMP ScriptSite::OnStateChange(SCRIPTSTATE) {
    return S_OK;
}

STDMETHODIMP ScriptSite::OnScriptError(IActiveScriptError* error) {
    if (!error || !errors_) return S_OK;
    try {
        errors_->ShowScriptError(FormatScriptError(error));
    } catch (...) {
        // Nothing may unwind into the engine.
    }
    return S_OK;
}

STDMETHODIMP ScriptSite::OnEnterScript() {
    return S_OK;
}

STDMETHODIMP ScriptSite::OnLeaveScript() {
    return S_OK;
}

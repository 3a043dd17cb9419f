// The script engine's site: it hands the engine the named items ("machine" and the
// machine's items) and their type information, and reports script errors.
#pragma once
#include <activscp.h>

#include <map>
#include <string>

#include "ComBase.h"
#include "ComRef.h"
#include "ScriptErrorSink.h"
#include "SingleInterfaceObject.h"

class ScriptSite final : public SingleInterfaceObject<IActiveScriptSite> {
public:
    ScriptSite(ITypeInfo* machineInterface, ITypeInfo* machineClass, ScriptErrorSink* errors);
    void SetEngine(IActiveScript* engine) { engine_.Share(engine); }
    // Publishes the object under the name; global members are reachable without "name.".
    void AddNamedItem(const std::wstring& name, IUnknown* object, bool global);
    // The engine is closed: forget it, the items and the error outlet.
    void Close();

    STDMETHODIMP GetLCID(LCID* locale) override;
    STDMETHODIMP GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** object, ITypeInfo** typeInfo) override;
    STDMETHODIMP GetDocVersionString(BSTR* version) override;
    STDMETHODIMP OnScriptTerminate(const VARIANT* result, const EXCEPINFO* exception) override;
    STDMETHODIMP OnStateChange(SCRIPTSTATE state) override;
    STDMETHODIMP OnScriptError(IActiveScriptError* error) override;
    STDMETHODIMP OnEnterScript() override;
    STDMETHODIMP OnLeaveScript() override;

private:
    ComRef<IActiveScript> engine_;
    ComRef<ITypeInfo> machineInterface_;
    ComRef<ITypeInfo> machineClass_;
    ScriptErrorSink* errors_;
    std::map<std::wstring, ComRef<IUnknown>> items_;
};

// The text of a script error as the box shows it: description, "Src: " source,
// "Line:" line " Error:" code " Scode:" status in hexadecimal, and the source line.
std::string FormatScriptError(IActiveScriptError* error);

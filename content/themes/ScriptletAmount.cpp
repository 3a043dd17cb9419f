#include "ScriptletAmount.h"

#include <windows.h>
#include <initguid.h>  // the platform's import libraries lack the Active Scripting identifiers
#include <activscp.h>

#include <stdexcept>

namespace content {

namespace {

const CLSID kJScript = {0xF414C260, 0x6AC0, 0x11CF, {0xB6, 0xD1, 0x00, 0xAA, 0x00, 0xBB, 0xBB, 0x58}};

// The engine's site, on the stack of one evaluation: it names no items and notes an error.
class QuietSite final : public IActiveScriptSite {
public:
    bool failed = false;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = iid == IID_IUnknown || iid == IID_IActiveScriptSite ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetLCID(LCID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetItemInfo(LPCOLESTR, DWORD, IUnknown** object, ITypeInfo** type) override {
        if (object) *object = nullptr;
        if (type) *type = nullptr;
        return TYPE_E_ELEMENTNOTFOUND;
    }
    STDMETHODIMP GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    STDMETHODIMP OnStateChange(SCRIPTSTATE) override { return S_OK; }
    STDMETHODIMP OnScriptError(IActiveScriptError*) override {
        failed = true;
        return S_OK;
    }
    STDMETHODIMP OnEnterScript() override { return S_OK; }
    STDMETHODIMP OnLeaveScript() override { return S_OK; }
};

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &wide[0], int(wide.size()))));
    return wide;
}

// The engine with its parser, closed and released at the end of the evaluation.
struct Engine {
    IActiveScript* script = nullptr;
    IActiveScriptParse* parse = nullptr;
    ~Engine() {
        if (parse) parse->Release();
        if (script) {
            script->Close();
            script->Release();
        }
    }
};

bool Evaluate(const std::string& code, const std::string& expression, VARIANT& result) {
    Engine engine;
    QuietSite site;
    if (FAILED(CoCreateInstance(kJScript, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                                reinterpret_cast<void**>(&engine.script))) ||
        FAILED(engine.script->QueryInterface(IID_IActiveScriptParse, reinterpret_cast<void**>(&engine.parse))) ||
        FAILED(engine.script->SetScriptSite(&site)) || FAILED(engine.parse->InitNew()))
        return false;
    EXCEPINFO exception = {};
    const bool parsed = SUCCEEDED(engine.parse->ParseScriptText(Wide(code).c_str(), nullptr, nullptr, nullptr, 0, 0,
                                                                0, nullptr, &exception)) &&
                        SUCCEEDED(engine.script->SetScriptState(SCRIPTSTATE_STARTED)) &&
                        SUCCEEDED(engine.parse->ParseScriptText(Wide(expression).c_str(), nullptr, nullptr, nullptr,
                                                                0, 0, SCRIPTTEXT_ISEXPRESSION, &result, &exception));
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return parsed && !site.failed;
}

}  // namespace

int32_t ScriptletAmount(const std::string& code, const std::string& expression, int32_t coins, int32_t maxBet) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::string machine = "var machine = { Bet: " + std::to_string(coins) + ", MaxBet: " +
                                std::to_string(maxBet) + " };\n";
    VARIANT result;
    VariantInit(&result);
    bool whole = Evaluate(machine + code, expression, result) && (V_VT(&result) == VT_I4 || V_VT(&result) == VT_R8);
    if (whole && V_VT(&result) == VT_R8) {
        const double value = V_R8(&result);  // NaN where the expression read what "machine" lacks
        whole = value >= -2147483648.0 && value <= 2147483647.0 && value == double(int32_t(value));
    }
    whole = whole && SUCCEEDED(VariantChangeType(&result, &result, 0, VT_I4));
    const int32_t amount = whole ? V_I4(&result) : 0;
    VariantClear(&result);
    if (SUCCEEDED(com)) CoUninitialize();
    if (!whole)
        throw std::runtime_error("the payout \"" + expression + "\" pays no whole number of coins for a bet of " +
                                 std::to_string(coins));
    return amount;
}

}  // namespace content

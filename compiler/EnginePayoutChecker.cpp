#include "EnginePayoutChecker.h"

#include <windows.h>
#include <initguid.h>
#include <activscp.h>

namespace {

// F414C260-6AC0-11CF-B6D1-00AA00BBBB58
const CLSID kJScriptEngine = {0xF414C260, 0x6AC0, 0x11CF, {0xB6, 0xD1, 0x00, 0xAA, 0x00, 0xBB, 0xBB, 0x58}};
// What the engine reports for the value the stopping statement throws.
const SCODE kThrownAndNotCaught = SCODE(0x800A139E);
const wchar_t kStopFirst[] = L"throw 0;\n";

std::wstring Wide(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &wide[0], length);
    return wide;
}

std::string Narrow(const wchar_t* text) {
    if (!text || !*text) return std::string();
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(size_t(length > 0 ? length - 1 : 0), '\0');
    if (length > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], length, nullptr, nullptr);
    return narrow;
}

// The site of the checking engine: it keeps the first error the engine reports, which is
// the compile's when the text does not read and the stopping statement's when it does.
class CheckSite : public IActiveScriptSite {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IActiveScriptSite)) {
            *out = static_cast<IActiveScriptSite*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // The site lives on the checker's stack, longer than the engine that holds it.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetLCID(LCID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetItemInfo(LPCOLESTR, DWORD, IUnknown**, ITypeInfo**) override { return TYPE_E_ELEMENTNOTFOUND; }
    STDMETHODIMP GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    STDMETHODIMP OnStateChange(SCRIPTSTATE) override { return S_OK; }
    STDMETHODIMP OnScriptError(IActiveScriptError* error) override {
        if (!error || reported) return S_OK;
        EXCEPINFO exception = {};
        if (FAILED(error->GetExceptionInfo(&exception))) return S_OK;
        if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
        reported = true;
        scode = exception.scode;
        description = Narrow(exception.bstrDescription);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        return S_OK;
    }
    STDMETHODIMP OnEnterScript() override { return S_OK; }
    STDMETHODIMP OnLeaveScript() override { return S_OK; }

    bool reported = false;
    SCODE scode = S_OK;
    std::string description;
};

}  // namespace

EnginePayoutChecker::EnginePayoutChecker() : comStarted_(SUCCEEDED(CoInitialize(nullptr))) {}

EnginePayoutChecker::~EnginePayoutChecker() {
    if (comStarted_) CoUninitialize();
}

std::string EnginePayoutChecker::EngineMessage(const std::string& expression) {
    const auto found = checked_.find(expression);
    if (found != checked_.end()) return found->second;
    const std::string message = Check(expression);
    checked_.emplace(expression, message);
    return message;
}

std::string EnginePayoutChecker::Check(const std::string& expression) {
    IActiveScript* engine = nullptr;
    if (FAILED(CoCreateInstance(kJScriptEngine, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                                reinterpret_cast<void**>(&engine))))
        return std::string();
    IActiveScriptParse* parse = nullptr;
    CheckSite site;
    if (SUCCEEDED(engine->QueryInterface(IID_IActiveScriptParse, reinterpret_cast<void**>(&parse))) &&
        SUCCEEDED(engine->SetScriptSite(&site)) && SUCCEEDED(parse->InitNew())) {
        const std::wstring text = kStopFirst + Wide(expression);
        VARIANT result;
        VariantInit(&result);
        EXCEPINFO exception = {};
        parse->ParseScriptText(text.c_str(), nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISEXPRESSION, &result,
                               &exception);
        VariantClear(&result);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
    engine->Close();
    if (parse) parse->Release();
    engine->Release();
    if (!site.reported || site.scode == kThrownAndNotCaught) return std::string();
    return site.description.empty() ? "the engine refuses it" : site.description;
}

#include "FakeMachineScript.h"

#include <windows.h>
#include <activscp.h>
#include <oleauto.h>

#include <deque>

namespace {

const CLSID kJScript = {0xf414c260, 0x6ac0, 0x11cf, {0xb6, 0xd1, 0x00, 0xaa, 0x00, 0xbb, 0xbb, 0x58}};
// The parse interface of the program's word size.
#ifdef _WIN64
const IID kActiveScriptParse = {0xc7ef7658, 0xe1ee, 0x480e, {0x97, 0xea, 0xd5, 0x2c, 0xb4, 0xd7, 0x6d, 0x17}};
#else
const IID kActiveScriptParse = {0xbb1a2ae2, 0xa4f9, 0x11cf, {0x8f, 0x20, 0x00, 0x80, 0x5f, 0x2c, 0xd0, 0x64}};
#endif
const IID kBindEventHandler = {0x63cdbcb0, 0xc1b1, 0x11d0, {0x93, 0x36, 0x00, 0xa0, 0xc9, 0x0d, 0xca, 0xa9}};

// How JScript binds "function item::Event()" to an object.
struct IBindEventHandlerLike : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE BindHandler(LPCOLESTR event, IDispatch* handler) = 0;
};

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string Narrow(const wchar_t* text)
{
    std::string out;
    for (; text && *text; ++text)
        out += char(*text);
    return out;
}

double AsNumber(const VARIANT& v)
{
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&v), 0, VT_R8)))
        return 0;
    return number.dblVal;
}

std::string AsText(const VARIANT& v)
{
    VARIANT text;
    VariantInit(&text);
    if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&v), 0, VT_BSTR)))
        return std::string();
    const std::string out = Narrow(text.bstrVal);
    VariantClear(&text);
    return out;
}

}  // namespace

// An object the script sees: "machine", an indicator or a sound.
class FakeItem : public IDispatch, public IBindEventHandlerLike {
public:
    enum Member : DISPID { kValue = 1, kPlaySound = 2, kSetTimeout = 3 };

    FakeItem(std::string name, std::vector<std::string>* played, std::deque<std::string>* timeouts)
        : name_(std::move(name)), played_(played), timeouts_(timeouts) {}
    ~FakeItem()
    {
        for (auto& h : handlers_)
            h.second->Release();
    }

    const std::string& Name() const { return name_; }
    double value = 0;
    std::map<std::string, IDispatch*> handlers_;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch)
            *out = static_cast<IDispatch*>(this);
        else if (iid == kBindEventHandler)
            *out = static_cast<IBindEventHandlerLike*>(this);
        else
            return *out = nullptr, E_NOINTERFACE;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        const std::string member = Narrow(names[0]);
        const bool machine = name_ == "machine";
        DISPID id = DISPID_UNKNOWN;
        if (member == "Value" && !machine)
            id = kValue;
        else if (member == "PlaySound" && machine)
            id = kPlaySound;
        else if (member == "SetTimeout" && machine)
            id = kSetTimeout;
        for (UINT i = 0; i < count; ++i)
            ids[i] = i == 0 ? id : DISPID_UNKNOWN;
        return id == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT*) override
    {
        if (id == kValue && (flags & DISPATCH_PROPERTYPUT) && params->cArgs == 1)
            return value = AsNumber(params->rgvarg[0]), S_OK;
        if (id == kValue && (flags & DISPATCH_PROPERTYGET)) {
            if (result)
                result->vt = VT_R8, result->dblVal = value;
            return S_OK;
        }
        if (id == kPlaySound && params->cArgs == 1 && params->rgvarg[0].vt == VT_DISPATCH) {
            played_->push_back(params->rgvarg[0].pdispVal == nullptr ? "null" : "sound");
            return S_OK;
        }
        if (id == kSetTimeout && params->cArgs == 2) {
            timeouts_->push_back(AsText(params->rgvarg[0]));
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE BindHandler(LPCOLESTR event, IDispatch* handler) override
    {
        handler->AddRef();
        IDispatch*& slot = handlers_[Narrow(event)];
        if (slot)
            slot->Release();
        slot = handler;
        return S_OK;
    }

private:
    std::string name_;
    std::vector<std::string>* played_;
    std::deque<std::string>* timeouts_;
};

struct FakeMachineScript::Engine : IActiveScriptSite {
    std::map<std::string, std::unique_ptr<FakeItem>> items;
    std::vector<std::string> played;
    std::deque<std::string> timeouts;
    std::vector<std::string>* errors = nullptr;
    IActiveScript* script = nullptr;
    IActiveScriptParse* parse = nullptr;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IActiveScriptSite)
            return *out = this, S_OK;
        return *out = nullptr, E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetLCID(LCID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** unknown, ITypeInfo** type) override
    {
        const auto it = items.find(Narrow(name));
        if (it == items.end())
            return TYPE_E_ELEMENTNOTFOUND;
        if (mask & SCRIPTINFO_IUNKNOWN)
            *unknown = static_cast<IDispatch*>(it->second.get());
        if (mask & SCRIPTINFO_ITYPEINFO)
            *type = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStateChange(SCRIPTSTATE) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnScriptError(IActiveScriptError* error) override
    {
        EXCEPINFO info{};
        error->GetExceptionInfo(&info);
        DWORD context = 0;
        ULONG line = 0;
        LONG column = 0;
        error->GetSourcePosition(&context, &line, &column);
        errors->push_back("line " + std::to_string(line + 1) + ": " + Narrow(info.bstrDescription));
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrHelpFile);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnEnterScript() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnLeaveScript() override { return S_OK; }
};

FakeMachineScript::FakeMachineScript(const std::vector<std::string>& indicators,
                                     const std::vector<std::string>& sounds)
    : engine_(new Engine)
{
    CoInitialize(nullptr);
    engine_->errors = &errors_;
    std::vector<std::string> names = {"machine"};
    names.insert(names.end(), indicators.begin(), indicators.end());
    names.insert(names.end(), sounds.begin(), sounds.end());
    for (const std::string& name : names)
        engine_->items[name].reset(new FakeItem(name, &engine_->played, &engine_->timeouts));
}

FakeMachineScript::~FakeMachineScript()
{
    if (engine_->script) {
        engine_->script->Close();
        engine_->items.clear();
        if (engine_->parse)
            engine_->parse->Release();
        engine_->script->Release();
    }
    CoUninitialize();
}

bool FakeMachineScript::Load(const std::string& code)
{
    if (FAILED(CoCreateInstance(kJScript, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                                reinterpret_cast<void**>(&engine_->script))))
        return false;
    engine_->script->QueryInterface(kActiveScriptParse, reinterpret_cast<void**>(&engine_->parse));
    if (!engine_->parse || FAILED(engine_->script->SetScriptSite(engine_.get())) || FAILED(engine_->parse->InitNew()))
        return false;
    for (const auto& item : engine_->items)
        engine_->script->AddNamedItem(Wide(item.first).c_str(),
                                      SCRIPTITEM_ISVISIBLE | (item.first == "machine" ? SCRIPTITEM_GLOBALMEMBERS : 0));
    EXCEPINFO info{};
    const HRESULT parsed =
        engine_->parse->ParseScriptText(Wide(code).c_str(), nullptr, nullptr, nullptr, 0, 0, 0, nullptr, &info);
    return SUCCEEDED(parsed) && SUCCEEDED(engine_->script->SetScriptState(SCRIPTSTATE_CONNECTED));
}

bool FakeMachineScript::HasHandler(const std::string& item, const std::string& event) const
{
    const auto it = engine_->items.find(item);
    return it != engine_->items.end() && it->second->handlers_.count(event) != 0;
}

double FakeMachineScript::Fire(const std::string& item, const std::string& event, const std::vector<double>& arguments)
{
    if (!HasHandler(item, event))
        return -1;
    IDispatch* handler = engine_->items[item]->handlers_[event];
    std::vector<VARIANT> args(arguments.size());
    for (std::size_t i = 0; i < arguments.size(); ++i) {  // the last argument first
        VariantInit(&args[i]);
        args[i].vt = VT_R8;
        args[i].dblVal = arguments[arguments.size() - 1 - i];
    }
    DISPPARAMS params{args.data(), nullptr, UINT(args.size()), 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info{};
    if (FAILED(handler->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_METHOD, &params, &result, &info, nullptr))) {
        errors_.push_back(item + "::" + event + " failed: " + Narrow(info.bstrDescription));
        return -1;
    }
    const double value = result.vt == VT_EMPTY ? 0 : AsNumber(result);
    VariantClear(&result);
    return value;
}

double FakeMachineScript::Evaluate(const std::string& expression)
{
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info{};
    if (FAILED(engine_->parse->ParseScriptText(Wide(expression).c_str(), nullptr, nullptr, nullptr, 0, 0,
                                               SCRIPTTEXT_ISEXPRESSION, &result, &info)))
        return -1;
    const double value = AsNumber(result);
    VariantClear(&result);
    return value;
}

void FakeMachineScript::SetValue(const std::string& indicator, double value)
{
    engine_->items.at(indicator)->value = value;
}

double FakeMachineScript::GetValue(const std::string& indicator) const
{
    return engine_->items.at(indicator)->value;
}

int FakeMachineScript::RunTimeouts(int rounds)
{
    int ran = 0;
    while (!engine_->timeouts.empty() && ran < rounds) {
        const std::string code = engine_->timeouts.front();
        engine_->timeouts.pop_front();
        EXCEPINFO info{};
        engine_->parse->ParseScriptText(Wide(code).c_str(), nullptr, nullptr, nullptr, 0, 0, 0, nullptr, &info);
        ++ran;
    }
    return ran;
}

const std::vector<std::string>& FakeMachineScript::Played() const
{
    return engine_->played;
}

#include "ScriptHost.h"

#include "EventTypes.h"
#include "ScriptCallScope.h"
#include "ScriptGuids.h"
#include "ScriptText.h"

const wchar_t ScriptHost::kTypeLibrary[] = L"SlotMachine.tlb";

ScriptHost::ScriptHost(ScriptErrorSink& errors) : errors_(errors) {}

ScriptHost::~ScriptHost() {
    Stop();
}

void ScriptHost::Fail(const std::string& reason) {
    errors_.ShowScriptError(reason + "\nThe machine plays without its script.");
}

bool ScriptHost::Start(ScriptMachine& machine, ScriptSoundPlayer& sounds, const ScriptItems& items,
                       const std::string& code, const std::wstring& typeLibrary) {
    Stop();
    comStarted_ = SUCCEEDED(CoInitialize(nullptr));
    try {
        if (!CreateEngine()) {
            Fail("The JScript engine is not available.");
            Stop();
            return false;
        }
        HRESULT loaded = LoadTypeLib(typeLibrary.c_str(), library_.Out());
        if (FAILED(loaded)) {
            Fail("The type library " + ToNarrow(typeLibrary) + " could not be loaded.");
            Stop();
            return false;
        }
        CreateObjects(machine, sounds, items);
        PublishItems();
        // The scriptlets go first: an engine that stops running queued code at a run-time
        // error in the machine's top-level code would otherwise drop them.
        AddScriptlets();
        ParseCode(code);
        ScriptCallScope call;  // the top-level code runs here
        CheckComResult(engine_->SetScriptState(SCRIPTSTATE_CONNECTED));
    } catch (const _com_error& error) {
        char text[64];
        wsprintfA(text, "Scripting failed to start (0x%08lX).", static_cast<unsigned long>(error.Error()));
        Fail(text);
        Stop();
        return false;
    }
    running_ = true;
    return true;
}

bool ScriptHost::CreateEngine() {
    if (FAILED(CoCreateInstance(kJScriptClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                                reinterpret_cast<void**>(engine_.Out()))))
        return false;
    HRESULT hr = engine_->QueryInterface(IID_IActiveScriptParse, reinterpret_cast<void**>(parse_.Out()));
    if (FAILED(hr) && hr != E_NOINTERFACE) CheckComResult(hr);
    return true;
}

void ScriptHost::CreateObjects(ScriptMachine& machine, ScriptSoundPlayer& sounds, const ScriptItems& items) {
    ComRef<ITypeInfo> machineInterface, machineClass;
    CheckComResult(library_->GetTypeInfoOfGuid(IID_IMachine, machineInterface.Out()));
    CheckComResult(library_->GetTypeInfoOfGuid(CLSID_Machine, machineClass.Out()));
    site_.Adopt(new ScriptSite(machineInterface.Get(), machineClass.Get(), &errors_));
    machine_.Adopt(new MachineAutomation(machineInterface.Get(), machineClass.Get(), &machine, &sounds));
    machine_->AttachReels(library_.Get(), machine.GetReelCount());
    machine_->BuildDynamicNames(machine);

    CheckComResult(engine_->SetScriptSite(site_.Get()));
    engineHasSite_ = true;
    if (!parse_) CheckComResult(E_POINTER);
    CheckComResult(parse_->InitNew());
    site_->SetEngine(engine_.Get());

    CreateItemObjects<IndicatorAutomation>(IID_IIndicator, CLSID_Indicator, items.indicators);
    CreateItemObjects<SpriteItemAutomation>(IID_ISpriteItem, CLSID_SpriteItem, items.sprites);
    CreateItemObjects<RegionItemAutomation>(IID_IRegionItem, CLSID_RegionItem, items.regions);
}

template <class Object, class Item>
void ScriptHost::CreateItemObjects(const GUID& dispatchIid, const GUID& classIid,
                                   const std::vector<NamedScriptItem<Item>>& items) {
    ComRef<ITypeInfo> dispatchInfo, classInfo;
    CheckComResult(library_->GetTypeInfoOfGuid(dispatchIid, dispatchInfo.Out()));
    CheckComResult(library_->GetTypeInfoOfGuid(classIid, classInfo.Out()));
    for (const NamedScriptItem<Item>& entry : items) {
        ComRef<Object> object;
        object.Adopt(new Object(dispatchInfo.Get(), classInfo.Get(), entry.item));
        entry.item->AttachScriptEvents(object.Get());
        Item* item = entry.item;
        Object* raw = object.Get();
        ItemObject published{ToWide(entry.name), {}, classInfo, entry.scriptlets, [item, raw] {
                                 item->AttachScriptEvents(nullptr);
                                 raw->Detach();
                             }};
        published.object.Share(static_cast<IDispatch*>(raw));
        items_.push_back(std::move(published));
    }
}

void ScriptHost::PublishItems() {
    site_->AddNamedItem(L"machine", static_cast<IDispatch*>(machine_.Get()), true);
    for (const ItemObject& item : items_) site_->AddNamedItem(item.name, item.object.Get(), false);
}

void ScriptHost::ParseCode(const std::string& code) {
    EXCEPINFO exception = {};
    ScriptCallScope call;
    // Errors reach the site's OnScriptError.
    parse_->ParseScriptText(ToWide(code).c_str(), nullptr, nullptr, nullptr, 0, ULONG(codeLine_), 0, nullptr,
                            &exception);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

void ScriptHost::AddScriptlets() {
    for (const ItemObject& item : items_)
        for (const std::string& scriptlet : item.scriptlets) AddScriptlet(item, scriptlet);
}

void ScriptHost::AddScriptlet(const ItemObject& item, const std::string& scriptlet) {
    std::string eventName, codeText;
    SplitScriptlet(scriptlet, eventName, codeText);
    std::wstring event = ToWide(eventName), code = ToWide(codeText);
    EXCEPINFO exception = {};
    BSTR name = nullptr;
    ScriptCallScope call;
    HRESULT hr = parse_->AddScriptlet(nullptr, code.c_str(), item.name.c_str(), nullptr, event.c_str(), nullptr, 0, 0,
                                      0, &name, &exception);
    SysFreeString(name);
    if (hr == E_NOTIMPL) {
        // Engines without scriptlets (Wine's JScript) bind a handler function instead.
        ComRef<ITypeInfo> events = FindEventInterface(item.classInfo.Get());
        DISPID id = 0;
        std::wstring arguments;
        if (FindEventId(events.Get(), event.c_str(), id))
            for (const std::wstring& argument : EventArgumentNames(events.Get(), id))
                arguments += (arguments.empty() ? L"" : L", ") + argument;
        std::wstring handler = L"function " + item.name + L"::" + event + L"(" + arguments + L") {\n" + code + L"\n}";
        parse_->ParseScriptText(handler.c_str(), nullptr, nullptr, nullptr, 0, 0, 0, nullptr, &exception);
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

void ScriptHost::AttachReels(const std::vector<ScriptReel*>& reels) {
    if (machine_) machine_->AttachReelObjects(reels);
}

void ScriptHost::DetachItems() {
    for (ItemObject& item : items_) item.detach();
    items_.clear();
}

void ScriptHost::Stop() {
    // A running script call keeps what it uses alive: the objects are released, never
    // deleted outright, and each one forgets the machine it stood for. The engine is
    // closed once no call of it is running.
    // (Wine's JScript cannot close an engine that never had a site.)
    ComRef<IActiveScript> engine = engine_;
    if (engineHasSite_) CloseEngineWhenIdle(engine.Get());
    engineHasSite_ = false;
    DetachItems();
    if (machine_) machine_->Detach();
    if (site_) site_->Close();
    parse_.Reset();
    engine_.Reset();
    engine.Reset();
    machine_.Reset();
    site_.Reset();
    library_.Reset();
    // With an engine call still running the apartment stays initialised for it.
    if (comStarted_ && !ScriptCallScope::Active()) CoUninitialize();
    comStarted_ = false;
    running_ = false;
}

void ScriptHost::RunDueTimeouts() {
    if (running_ && machine_) machine_->RunDueTimeouts(parse_.Get());
}

bool ScriptHost::EvaluatePayout(const std::string& expression, int32_t& amount, int32_t fileLine) {
    if (!running_ || !parse_) return false;
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception = {};
    ScriptCallScope call;
    HRESULT hr = parse_->ParseScriptText(ToWide(expression).c_str(), nullptr, nullptr, nullptr, 0,
                                         ULONG(fileLine > 0 ? fileLine : 0), SCRIPTTEXT_ISEXPRESSION, &result,
                                         &exception);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (SUCCEEDED(hr)) hr = VariantChangeType(&result, &result, 0, VT_I4);
    if (SUCCEEDED(hr)) amount = V_I4(&result);
    VariantClear(&result);
    return SUCCEEDED(hr);
}

EventAnswer ScriptHost::Checked(const char* event, EventAnswer answer) {
    if (answer != EventAnswer::NotBoolean) return answer;
    errors_.ShowScriptError(std::string("The handler of machine::") + event +
                            " answered a value that is neither true nor false.\nIt counts as no answer.");
    return EventAnswer::Nothing;
}

bool ScriptHost::FireOnReelStop(int32_t reel) {
    return !machine_ || Checked("OnReelStop", machine_->FireOnReelStop(reel)) != EventAnswer::False;
}

EventAnswer ScriptHost::FireOnAllReelsStop() {
    return machine_ ? Checked("OnAllReelsStop", machine_->FireOnAllReelsStop()) : EventAnswer::True;
}

void ScriptHost::FireOnReelsStart() {
    if (machine_) machine_->FireOnReelsStart();
}

bool ScriptHost::FireOnReelClick(int32_t reel) {
    return !machine_ || Checked("OnReelClick", machine_->FireOnReelClick(reel)) != EventAnswer::False;
}

void ScriptHost::FireOnMetersChange() {
    if (machine_) machine_->FireOnMetersChange();
}

bool ScriptHost::FireOnPayment(int32_t payment, int32_t line, int32_t tableIndex) {
    return !machine_ || Checked("OnPayment", machine_->FireOnPayment(payment, line, tableIndex)) != EventAnswer::False;
}

bool ScriptHost::FireOnTotalPayment(int32_t pay) {
    return !machine_ || Checked("OnTotalPayment", machine_->FireOnTotalPayment(pay)) != EventAnswer::False;
}

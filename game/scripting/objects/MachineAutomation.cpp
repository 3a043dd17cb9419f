#include "MachineAutomation.h"

#include <mmsystem.h>

#include "NamedNumberCall.h"
#include "ScriptCallScope.h"
#include "ScriptText.h"

MachineAutomation::MachineAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, ScriptMachine* machine,
                                     ScriptSoundPlayer* sounds)
    : AutomationObject(dispatchInfo, classInfo, nullptr, DIID_MachineEvents), machine_(machine), sounds_(sounds) {}

MachineAutomation::~MachineAutomation() {
    if (sounds_) sounds_->StopAll();
}

void MachineAutomation::AttachReels(ITypeLib* library, int count) {
    ComRef<ITypeInfo> info;
    CheckComResult(library->GetTypeInfoOfGuid(IID_IReels, info.Out()));
    reels_.Adopt(new ReelCollection(info.Get()));
    reels_->Fill(library, count);
}

void MachineAutomation::AttachReelObjects(const std::vector<ScriptReel*>& reels) {
    if (reels_) reels_->AttachReels(reels);
}

void MachineAutomation::BuildDynamicNames(const ScriptMachine& machine) {
    names_.clear();
    std::vector<std::string> symbols = machine.GetSymbolNames();
    for (size_t i = 0; i < symbols.size(); ++i) names_.push_back({static_cast<LONG>(i), ToWide(symbols[i])});
    for (const auto& entry : machine.GetAnimationTable()) names_.push_back({entry.second, ToWide(entry.first)});
    for (const auto& entry : machine.GetSoundTable()) names_.push_back({entry.second, ToWide(entry.first)});
}

void MachineAutomation::Detach() {
    if (sounds_) sounds_->StopAll();
    sounds_ = nullptr;
    machine_ = nullptr;
    if (reels_) reels_->DetachReels();
    AutomationObject::Detach();
}

// Timeouts ---------------------------------------------------------------------------

STDMETHODIMP MachineAutomation::SetTimeout(LONG milliseconds, BSTR code) {
    return Guard([&] {
        std::wstring text(code ? code : L"", code ? SysStringLen(code) : 0);
        timeouts_.push_back({timeGetTime() + static_cast<DWORD>(milliseconds), std::move(text)});
        return S_OK;
    });
}

void MachineAutomation::RunDueTimeouts(IActiveScriptParse* parse) {
    if (runningTimeouts_ || !parse) return;
    runningTimeouts_ = true;
    AddRef();  // the code run may stop the script
    ScriptCallScope call;
    DWORD now = timeGetTime();
    // Entries that the code run adds are appended and visited in this walk too; with a
    // delay of zero or more their deadline is not below `now`, so they wait.
    for (auto entry = timeouts_.begin(); entry != timeouts_.end() && machine_;) {
        if (static_cast<LONG>(entry->deadline - now) >= 0) {
            ++entry;
            continue;
        }
        EXCEPINFO exception = {};
        parse->ParseScriptText(entry->code.c_str(), nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISEXPRESSION,
                               nullptr, &exception);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        entry = timeouts_.erase(entry);
    }
    runningTimeouts_ = false;
    Release();
}

// Dynamic names ----------------------------------------------------------------------

STDMETHODIMP MachineAutomation::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
    HRESULT hr = AutomationObject::GetIDsOfNames(iid, names, count, locale, ids);
    if (SUCCEEDED(hr)) return hr;
    if (count > 1) return DISP_E_NONAMEDARGS;
    if (count == 0 || !names || !names[0]) return hr;
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].name == names[0]) {
            ids[0] = kFirstNameId + static_cast<DISPID>(i);
            return S_OK;
        }
    }
    return hr;
}

HRESULT MachineAutomation::InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                                        EXCEPINFO* exception, UINT* argError) {
    LONG index = id - kFirstNameId;
    if (index < 0 || index >= static_cast<LONG>(names_.size()))
        return AutomationObject::InvokeMember(id, flags, params, result, exception, argError);
    HRESULT hr = CheckNamedNumberCall(flags, params);
    if (FAILED(hr) || !result) return hr;
    VariantInit(result);
    V_VT(result) = VT_I4;
    V_I4(result) = names_[index].value;
    return S_OK;
}

// Events -----------------------------------------------------------------------------

namespace {

// Every sink writes into the same result, so the last one's answer counts. Any other type
// than a Boolean is converted to one; nothing (undefined or null) stays nothing.
EventAnswer AnswerOf(VARIANT& result) {
    if (V_VT(&result) == VT_EMPTY || V_VT(&result) == VT_NULL) return EventAnswer::Nothing;
    if (V_VT(&result) != VT_BOOL && FAILED(VariantChangeType(&result, &result, 0, VT_BOOL))) {
        VariantClear(&result);
        return EventAnswer::NotBoolean;
    }
    return V_BOOL(&result) != VARIANT_FALSE ? EventAnswer::True : EventAnswer::False;
}

VARIANTARG Long(LONG value) {
    VARIANTARG arg;
    VariantInit(&arg);
    V_VT(&arg) = VT_I4;
    V_I4(&arg) = value;
    return arg;
}

}  // namespace

EventAnswer MachineAutomation::FireWithResult(DISPID id, VARIANTARG* args, UINT count) {
    VARIANT result;
    VariantInit(&result);
    V_VT(&result) = VT_BOOL;
    V_BOOL(&result) = VARIANT_TRUE;
    Connection().FireEventWithResult(id, args, count, &result);
    const EventAnswer answer = AnswerOf(result);
    VariantClear(&result);
    return answer;
}

EventAnswer MachineAutomation::FireOnReelStop(LONG reel) {
    VARIANTARG args[1] = {Long(reel)};
    return FireWithResult(1, args, 1);
}

EventAnswer MachineAutomation::FireOnAllReelsStop() {
    return FireWithResult(2, nullptr, 0);
}

void MachineAutomation::FireOnReelsStart() {
    FireEvent(3);
}

EventAnswer MachineAutomation::FireOnReelClick(LONG reel) {
    VARIANTARG args[1] = {Long(reel)};
    return FireWithResult(5, args, 1);
}

void MachineAutomation::FireOnMetersChange() {
    FireEvent(6);
}

EventAnswer MachineAutomation::FireOnPayment(LONG payment, LONG line, LONG tableIndex) {
    VARIANTARG args[3] = {Long(tableIndex), Long(line), Long(payment)};  // IDispatch wants them last first
    return FireWithResult(7, args, 3);
}

EventAnswer MachineAutomation::FireOnTotalPayment(LONG pay) {
    VARIANTARG args[1] = {Long(pay)};
    return FireWithResult(8, args, 1);
}

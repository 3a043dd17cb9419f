#include "ReelCollection.h"

#include <new>

#include "NamedNumberCall.h"
#include "ReelEnumerator.h"

ReelCollection::ReelCollection(ITypeInfo* typeInfo) : DispatchObject(typeInfo, &IID_IReels) {}

void ReelCollection::Fill(ITypeLib* library, int count) {
    ComRef<ITypeInfo> reelInfo;
    CheckComResult(library->GetTypeInfoOfGuid(IID_IReel, reelInfo.Out()));
    reels_.clear();
    for (int i = 0; i < count; ++i) {
        ComRef<ReelAutomation> reel;
        reel.Adopt(new ReelAutomation(reelInfo.Get()));
        reels_.push_back(reel);
    }
}

void ReelCollection::AttachReels(const std::vector<ScriptReel*>& reels) {
    for (size_t i = 0; i < reels_.size(); ++i) reels_[i]->AttachReel(i < reels.size() ? reels[i] : nullptr);
}

void ReelCollection::DetachReels() {
    AttachReels({});
}

STDMETHODIMP ReelCollection::get__NewEnum(IUnknown** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = new (std::nothrow) ReelEnumerator(this, 0);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP ReelCollection::get_Item(LONG index, IReel** reel) {
    if (!reel) return E_POINTER;
    *reel = nullptr;
    return Guard([&] {
        if (index < 0 || index >= static_cast<LONG>(reels_.size()))
            throw ScriptFault(E_INVALIDARG, L"The machine has no reel of that number");
        reels_[index]->AddRef();
        *reel = reels_[index].Get();
        return S_OK;
    });
}

STDMETHODIMP ReelCollection::Reel(LONG index, IReel** reel) {
    return get_Item(index, reel);
}

STDMETHODIMP ReelCollection::get_Count(LONG* count) {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(reels_.size());
    return S_OK;
}

STDMETHODIMP ReelCollection::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
    HRESULT hr = DispatchObject::GetIDsOfNames(iid, names, count, locale, ids);
    if (SUCCEEDED(hr) || count != 1 || !names || !names[0]) return count > 1 && FAILED(hr) ? DISP_E_NONAMEDARGS : hr;
    // The name's leading digits give the index; a name without them is no reel's name.
    const wchar_t* c = names[0];
    if (*c < L'0' || *c > L'9') return hr;
    long index = 0;
    for (; *c >= L'0' && *c <= L'9'; ++c) {
        index = index * 10 + (*c - L'0');
        if (index >= static_cast<long>(reels_.size())) return hr;
    }
    ids[0] = kFirstIndexId + index;
    return S_OK;
}

HRESULT ReelCollection::InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) {
    LONG index = id - kFirstIndexId;
    bool reel = index >= 0 && index < static_cast<LONG>(reels_.size());
    // JScript's Enumerator asks for the enumerator as a method, the library has a property.
    if (!reel && id != DISPID_NEWENUM) return DispatchObject::InvokeMember(id, flags, params, result, exception, argError);
    HRESULT hr = CheckNamedNumberCall(flags, params);
    if (FAILED(hr) || !result) return hr;
    VariantInit(result);
    if (!reel) {
        V_VT(result) = VT_UNKNOWN;
        return get__NewEnum(&V_UNKNOWN(result));
    }
    V_VT(result) = VT_DISPATCH;
    reels_[index]->AddRef();
    V_DISPATCH(result) = reels_[index].Get();
    return S_OK;
}

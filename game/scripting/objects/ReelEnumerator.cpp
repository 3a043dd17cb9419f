#include "ReelEnumerator.h"

#include <new>

#include "ReelCollection.h"

ReelEnumerator::ReelEnumerator(ReelCollection* reels, ULONG position)
    : SingleInterfaceObject(IID_IEnumVARIANT), reels_(ComRef<ReelCollection>::Shared(reels)), position_(position) {}

ULONG ReelEnumerator::ReelCount() const {
    LONG count = 0;
    reels_->get_Count(&count);
    return static_cast<ULONG>(count);
}

STDMETHODIMP ReelEnumerator::Next(ULONG count, VARIANT* out, ULONG* fetched) {
    if (fetched) *fetched = 0;
    if (!out && count > 0) return E_POINTER;
    if (count > 1 && !fetched) return E_INVALIDARG;
    ULONG copied = 0;
    for (; copied < count && position_ < ReelCount(); ++copied, ++position_) {
        IReel* reel = nullptr;
        reels_->get_Item(static_cast<LONG>(position_), &reel);  // adds the reference handed out
        VariantInit(&out[copied]);
        V_VT(&out[copied]) = VT_DISPATCH;
        V_DISPATCH(&out[copied]) = reel;
    }
    if (fetched) *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

STDMETHODIMP ReelEnumerator::Skip(ULONG count) {
    ULONG left = ReelCount() - position_;
    ULONG step = count < left ? count : left;
    position_ += step;
    return step == count ? S_OK : S_FALSE;
}

STDMETHODIMP ReelEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

STDMETHODIMP ReelEnumerator::Clone(IEnumVARIANT** copy) {
    if (!copy) return E_POINTER;
    *copy = new (std::nothrow) ReelEnumerator(reels_.Get(), position_);
    return *copy ? S_OK : E_OUTOFMEMORY;
}

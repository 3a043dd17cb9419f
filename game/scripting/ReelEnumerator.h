// Walks the reel collection for the script (`new Enumerator(machine.Reels)`). It holds a
// counted reference to the collection, so that it stays valid whatever the script keeps.
#pragma once
#include "ComBase.h"
#include "ComRef.h"

class ReelCollection;

class ReelEnumerator final : public IEnumVARIANT {
public:
    ReelEnumerator(ReelCollection* reels, ULONG position);
    ReelEnumerator(const ReelEnumerator&) = delete;
    ReelEnumerator& operator=(const ReelEnumerator&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // Copies up to `count` reel objects (each with a reference); S_FALSE when fewer were left.
    STDMETHODIMP Next(ULONG count, VARIANT* out, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** copy) override;

private:
    ~ReelEnumerator() = default;
    ULONG ReelCount() const;

    volatile LONG refs_ = 1;
    ComRef<ReelCollection> reels_;
    ULONG position_;
};

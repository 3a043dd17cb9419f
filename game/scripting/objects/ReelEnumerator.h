// Walks the reel collection for the script (`new Enumerator(machine.Reels)`). It holds a
// counted reference to the collection, so that it stays valid whatever the script keeps.
#pragma once
#include "ComBase.h"
#include "ComRef.h"
#include "SingleInterfaceObject.h"

class ReelCollection;

class ReelEnumerator final : public SingleInterfaceObject<IEnumVARIANT> {
public:
    ReelEnumerator(ReelCollection* reels, ULONG position);
    // Copies up to `count` reel objects (each with a reference); S_FALSE when fewer were left.
    STDMETHODIMP Next(ULONG count, VARIANT* out, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** copy) override;

private:
    ULONG ReelCount() const;

    ComRef<ReelCollection> reels_;
    ULONG position_;
};

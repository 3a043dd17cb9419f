// The machine's reels as the script sees them (`machine.Reels`): one reel object per reel
// in reel order, reachable by index, by a name made of the index's digits
// (`machine.Reels[1]`) and through an enumerator.
#pragma once
#include <vector>

#include "DispatchObject.h"
#include "ReelAutomation.h"
#include "SlotMachine.h"

class ReelCollection : public DispatchObject<IReels> {
public:
    using Reels = std::vector<ComRef<ReelAutomation>>;
    static const DISPID kFirstIndexId = 0x8000;

    explicit ReelCollection(ITypeInfo* typeInfo);

    // One reel object per reel, of the library's reel type.
    void Fill(ITypeLib* library, int count);
    // Object i gets reel i (null detaches).
    void AttachReels(const std::vector<ScriptReel*>& reels);
    void DetachReels();

    STDMETHODIMP get__NewEnum(IUnknown** enumerator) override;
    STDMETHODIMP get_Item(LONG index, IReel** reel) override;
    STDMETHODIMP Reel(LONG index, IReel** reel) override;
    STDMETHODIMP get_Count(LONG* count) override;

    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;

protected:
    HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                         UINT* argError) override;

private:
    Reels reels_;
};

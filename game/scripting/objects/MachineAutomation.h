// The object a machine's script knows as "machine": its members forward to the machine
// screen (ScriptMachine), the reels and the sound player; the machine's symbol, animation
// and sound names answer as read-only numbers; and it fires the machine's events.
#pragma once
#include <activscp.h>

#include <list>
#include <string>
#include <vector>

#include "AutomationObject.h"
#include "ReelCollection.h"
#include "ScriptMachine.h"
#include "ScriptSoundPlayer.h"
#include "SlotMachine.h"

// What the script's handlers answered to an event that asks for a Boolean: true (also when
// no handler answered), false, nothing (a handler that returned nothing), or a value that
// cannot become a Boolean.
enum class EventAnswer { True, False, Nothing, NotBoolean };

class MachineAutomation : public AutomationObject<IMachine> {
public:
    static const DISPID kFirstNameId = 0x8000;

    MachineAutomation(ITypeInfo* dispatchInfo, ITypeInfo* classInfo, ScriptMachine* machine, ScriptSoundPlayer* sounds);

    // The reel collection with one (not yet attached) reel object per reel.
    void AttachReels(ITypeLib* library, int count);
    // Once the screen has made its reels.
    void AttachReelObjects(const std::vector<ScriptReel*>& reels);
    void BuildDynamicNames(const ScriptMachine& machine);
    // Runs, through the engine, every timeout whose deadline has passed.
    void RunDueTimeouts(IActiveScriptParse* parse);
    // The script stops: the screen, the reels and the sounds are no longer reachable.
    void Detach() override;

    EventAnswer FireOnReelStop(LONG reel);
    EventAnswer FireOnAllReelsStop();
    void FireOnReelsStart();
    EventAnswer FireOnReelClick(LONG reel);
    void FireOnMetersChange();
    EventAnswer FireOnPayment(LONG payment, LONG line, LONG tableIndex);
    EventAnswer FireOnTotalPayment(LONG pay);

    STDMETHODIMP get_Title(BSTR* title) override;
    STDMETHODIMP get_Reels(IReels** reels) override;
    STDMETHODIMP get_RandomStopOrder(VARIANT_BOOL* anyOrder) override;
    STDMETHODIMP put_RandomStopOrder(VARIANT_BOOL anyOrder) override;
    STDMETHODIMP get_Denomination(double* dollars) override;
    STDMETHODIMP get_Betting(VARIANT_BOOL* canBet) override;
    STDMETHODIMP put_Betting(VARIANT_BOOL betting) override;
    STDMETHODIMP Spin() override;
    STDMETHODIMP SetTimeout(LONG milliseconds, BSTR code) override;
    STDMETHODIMP PayTableIndex(LONG bet, VARIANT symbols, LONG* index) override;
    STDMETHODIMP PayAmount(LONG bet, VARIANT symbols, LONG* amount) override;
    STDMETHODIMP ChooseStops() override;
    STDMETHODIMP SpinToStops() override;
    STDMETHODIMP PlaySound(LONG sound) override;
    STDMETHODIMP StopSounds() override;
    STDMETHODIMP WeightedRandom(VARIANT weights, LONG* index) override;
    STDMETHODIMP Random(LONG n, LONG* value) override;
    STDMETHODIMP Bet(LONG coins, VARIANT_BOOL* taken) override;
    STDMETHODIMP get_Progressive(double* dollars) override;
    STDMETHODIMP UpdateButtons() override;

    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;

protected:
    ~MachineAutomation() override;
    HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                         UINT* argError) override;

private:
    struct Timeout {
        DWORD deadline;
        std::wstring code;
    };
    struct NamedNumber {
        LONG value;
        std::wstring name;
    };

    // Runs a member's body on the machine screen, guarded.
    template <class Body>
    HRESULT Run(Body body) {
        return Guard([&] {
            body(Attached(machine_));
            return S_OK;
        });
    }
    EventAnswer FireWithResult(DISPID id, VARIANTARG* args, UINT count);
    // The pay-table evaluation of slots 16 and 17.
    void Evaluate(LONG bet, const VARIANT& symbols, int32_t& tableIndex, int32_t& amount);

    ScriptMachine* machine_;
    ScriptSoundPlayer* sounds_;
    ComRef<ReelCollection> reels_;
    std::list<Timeout> timeouts_;
    std::vector<NamedNumber> names_;
    bool runningTimeouts_ = false;
};

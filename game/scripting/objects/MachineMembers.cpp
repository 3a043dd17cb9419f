// The dispatch members of the "machine" object, in the order of the dual interface.
#include "MachineAutomation.h"
#include "ScriptArray.h"
#include "ScriptText.h"

namespace {

VARIANT_BOOL ToVariantBool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

double ToDollars(int32_t cents) {
    return cents * 0.01;
}

}  // namespace

STDMETHODIMP MachineAutomation::get_Title(BSTR* title) {
    return Guard([&] {
        if (!title) return E_POINTER;
        *title = nullptr;
        std::string text;
        if (!Attached(machine_).QueryTitle(text)) return E_UNEXPECTED;
        *title = ToBstr(ToWide(text));
        return S_OK;
    });
}

STDMETHODIMP MachineAutomation::get_Reels(IReels** reels) {
    if (!reels) return E_POINTER;
    *reels = reels_.Get();
    if (!*reels) return E_UNEXPECTED;
    (*reels)->AddRef();
    return S_OK;
}

STDMETHODIMP MachineAutomation::get_RandomStopOrder(VARIANT_BOOL* anyOrder) {
    if (!anyOrder) return E_POINTER;
    return Run([&](ScriptMachine& machine) { *anyOrder = ToVariantBool(!machine.GetInOrderStop()); });
}

STDMETHODIMP MachineAutomation::put_RandomStopOrder(VARIANT_BOOL anyOrder) {
    return Run([&](ScriptMachine& machine) { machine.SetInOrderStop(anyOrder != VARIANT_TRUE); });
}

STDMETHODIMP MachineAutomation::get_Denomination(double* dollars) {
    if (!dollars) return E_POINTER;
    return Run([&](ScriptMachine& machine) { *dollars = ToDollars(machine.GetDenominationCents()); });
}

STDMETHODIMP MachineAutomation::get_Betting(VARIANT_BOOL* canBet) {
    if (!canBet) return E_POINTER;
    return Run([&](ScriptMachine& machine) {
        bool open = machine.GetBettingFlag() && machine.HasSpinEnded() && machine.GetBet() < machine.GetMaxBet();
        *canBet = ToVariantBool(open);
    });
}

STDMETHODIMP MachineAutomation::put_Betting(VARIANT_BOOL betting) {
    return Run([&](ScriptMachine& machine) { machine.SetBettingFlag(betting == VARIANT_TRUE); });
}

STDMETHODIMP MachineAutomation::Spin() {
    return Run([](ScriptMachine& machine) { machine.StartSpin(); });
}

void MachineAutomation::Evaluate(LONG bet, const VARIANT& symbols, int32_t& tableIndex, int32_t& amount) {
    ScriptMachine& machine = Attached(machine_);
    std::vector<LONG> values = ReadIntegerArray(symbols, VT_I2);
    if (static_cast<LONG>(values.size()) != machine.GetReelCount())
        throw ScriptFault(E_INVALIDARG, L"The array needs one symbol per reel");
    if (bet < 1 || bet > machine.GetMaxBet()) throw ScriptFault(E_INVALIDARG, L"The bet is outside the pay table");
    std::vector<int16_t> line;
    for (LONG symbol : values) {
        if (symbol < 0 || symbol >= machine.GetSymbolCount()) throw ScriptFault(E_INVALIDARG, L"No such symbol");
        line.push_back(static_cast<int16_t>(symbol));
    }
    tableIndex = -1;
    amount = 0;
    if (!machine.EvaluateSymbols(bet, line, tableIndex, amount)) {
        tableIndex = -1;
        amount = 0;
    }
}

STDMETHODIMP MachineAutomation::PayTableIndex(LONG bet, VARIANT symbols, LONG* index) {
    if (!index) return E_POINTER;
    return Guard([&] {
        int32_t tableIndex = -1, amount = 0;
        Evaluate(bet, symbols, tableIndex, amount);
        *index = tableIndex;
        return S_OK;
    });
}

STDMETHODIMP MachineAutomation::PayAmount(LONG bet, VARIANT symbols, LONG* amount) {
    if (!amount) return E_POINTER;
    return Guard([&] {
        int32_t tableIndex = -1, paid = 0;
        Evaluate(bet, symbols, tableIndex, paid);
        *amount = paid;
        return S_OK;
    });
}

STDMETHODIMP MachineAutomation::ChooseStops() {
    return Run([](ScriptMachine& machine) { machine.ChooseStops(); });
}

STDMETHODIMP MachineAutomation::SpinToStops() {
    return Run([](ScriptMachine& machine) { machine.SpinToChosenStops(); });
}

STDMETHODIMP MachineAutomation::PlaySound(LONG sound) {
    return Guard([&] {
        Attached(sounds_).PlayAssetSound(sound);
        return S_OK;
    });
}

STDMETHODIMP MachineAutomation::StopSounds() {
    return Guard([&] {
        Attached(sounds_).StopAll();
        return S_OK;
    });
}

STDMETHODIMP MachineAutomation::WeightedRandom(VARIANT weights, LONG* index) {
    if (!index) return E_POINTER;
    return Guard([&] {
        ScriptMachine& machine = Attached(machine_);
        std::vector<LONG> values = ReadIntegerArray(weights, VT_I4);
        int64_t total = 0;
        for (LONG weight : values) {
            if (weight < 0) throw ScriptFault(E_INVALIDARG, L"Weights cannot be negative");
            total += weight;
        }
        if (total <= 0 || total > 0x7FFFFFFF) throw ScriptFault(E_INVALIDARG, L"The weights must add up to more than 0");
        int64_t draw = machine.GetRandom().NextBelow(static_cast<uint32_t>(total));
        int64_t sum = 0;
        LONG chosen = static_cast<LONG>(values.size());
        for (size_t i = 0; i < values.size(); ++i) {
            sum += values[i];
            if (sum > draw) {
                chosen = static_cast<LONG>(i);
                break;
            }
        }
        *index = chosen;
        return S_OK;
    });
}

STDMETHODIMP MachineAutomation::Random(LONG n, LONG* value) {
    if (!value) return E_POINTER;
    return Guard([&] {
        ScriptMachine& machine = Attached(machine_);
        if (n < 1) throw ScriptFault(E_INVALIDARG, L"Random needs a number above 0");
        *value = static_cast<LONG>(machine.GetRandom().NextBelow(static_cast<uint32_t>(n)));
        return S_OK;
    });
}

STDMETHODIMP MachineAutomation::Bet(LONG coins, VARIANT_BOOL* taken) {
    if (!taken) return E_POINTER;
    return Run([&](ScriptMachine& machine) { *taken = ToVariantBool(machine.BetCoins(coins)); });
}

STDMETHODIMP MachineAutomation::get_Progressive(double* dollars) {
    if (!dollars) return E_POINTER;
    return Run([&](ScriptMachine& machine) {
        *dollars = machine.HasProgressive() ? ToDollars(machine.TakeProgressiveCents()) : 0.0;
    });
}

STDMETHODIMP MachineAutomation::UpdateButtons() {
    return Run([](ScriptMachine& machine) { machine.UpdateButtons(); });
}

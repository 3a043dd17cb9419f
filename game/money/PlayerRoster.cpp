#include "PlayerRoster.h"

#include <algorithm>
#include <cctype>

PlayerRoster::PlayerRoster(PlayerStore& store) : store_(store) {
    for (int slot = 0; slot < kPlayers; ++slot) Load(slot);
    for (int slot = 0; slot < kPlayers; ++slot)
        if (records_[slot].IsActive()) current_ = slot;
    for (int slot = 0; slot < kPlayers; ++slot) ReclaimHeld(slot);
}

PlayerRoster::~PlayerRoster() {
    for (int slot = 0; slot < kPlayers; ++slot) Save(slot);
}

void PlayerRoster::Load(int slot) {
    if (IsSlot(slot)) store_.Load(slot, records_[slot]);
}

bool PlayerRoster::Save(int slot) {
    if (!IsSlot(slot)) return false;
    PlayerRecord& record = records_[slot];
    if (!record.IsInUse() && !record.GetFirstName().empty()) record.SetDate(store_.Today());
    return Report(StoreMoney(slot) && store_.Save(slot, record), slot);
}

// The new cash is written over the old holding in one value: a program stopped again
// before that finds the old holding and does the same again, never twice.
void PlayerRoster::ReclaimHeld(int slot) {
    Holding holding;
    Money cash;
    if (!store_.ReadHolding(slot, holding, cash)) return;
    // The value holds cash and credit as one: a loan or repayment is all there or not at all.
    records_[slot].SetCash(CashAfterRestart(holding, cash));
    if (holding.credit) records_[slot].SetCredit(*holding.credit);
    pending_[slot] = holding.pending;
    // The scriptlet lines of a spin cut short wait for its machine's next opening.
    if (holding.spin && holding.spin->scriptletLines) pending_[slot].push_back(*holding.spin);
    Report(StoreMoney(slot), slot);
}

bool PlayerRoster::StoreMoney(int slot) {
    Holding holding;
    if (slot == current_) {
        holding.held = held_;
        holding.spin = spin_;
    }
    holding.pending = pending_[slot];
    holding.credit = records_[slot].GetCredit();
    return store_.SaveMoney(slot, records_[slot], holding);
}

bool PlayerRoster::Report(bool stored, int slot) {
    if (!stored && reporter_)
        reporter_("The money of player " + std::to_string(slot + 1) +
                  " could not be saved. It is kept while the program runs.");
    return stored;
}

PlayerRecord* PlayerRoster::Current() { return IsSlot(current_) ? &records_[current_] : nullptr; }
const PlayerRecord* PlayerRoster::Current() const { return IsSlot(current_) ? &records_[current_] : nullptr; }

Money PlayerRoster::GetCash() const {
    const PlayerRecord* record = Current();
    return record ? record->GetCash() : Money();
}

bool PlayerRoster::SetCash(const Money& m) {
    PlayerRecord* record = Current();
    if (!record) return false;
    record->SetCash(m);
    Report(StoreMoney(current_), current_);
    return true;
}

bool PlayerRoster::AddCash(const Money& m) { return Exchange(m, held_); }

bool PlayerRoster::Exchange(const Money& toCash, const Money& held) {
    return Hold(toCash, held, spin_ ? &*spin_ : nullptr);
}

bool PlayerRoster::SetHeld(const Money& held) { return Exchange(Money(), held); }

bool PlayerRoster::Hold(const Money& toCash, const Money& held, const HeldSpin* spin) {
    PlayerRecord* record = Current();
    if (!record || !record->AddCash(toCash)) return false;
    held_ = held;
    if (spin)
        spin_ = *spin;
    else
        spin_.reset();
    Report(StoreMoney(current_), current_);
    return true;
}

namespace {
bool SameMachine(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}
}  // namespace

int PlayerRoster::FindPending(const std::string& machine) const {
    if (!IsSlot(current_)) return -1;
    const std::vector<HeldSpin>& pending = pending_[current_];
    for (size_t i = 0; i < pending.size(); ++i)
        if (SameMachine(pending[i].machine, machine)) return int(i);
    return -1;
}

std::optional<HeldSpin> PlayerRoster::GetPendingSpin(const std::string& machine) const {
    const int found = FindPending(machine);
    if (found < 0) return std::nullopt;
    return pending_[current_][size_t(found)];
}

bool PlayerRoster::PayPendingSpin(const std::string& machine, const Money& win) {
    const int found = FindPending(machine);
    if (found < 0 || !records_[current_].AddCash(win)) return false;
    pending_[current_].erase(pending_[current_].begin() + found);
    Report(StoreMoney(current_), current_);
    return true;
}

std::string PlayerRoster::GetFullName() const {
    const PlayerRecord* record = Current();
    return record ? record->GetFullName() : std::string();
}

bool PlayerRoster::Borrow(int slot, const Money& m) {
    if (!IsSlot(slot) || !records_[slot].Borrow(m)) return false;
    Report(StoreMoney(slot), slot);
    return true;
}

bool PlayerRoster::Repay(int slot, const Money& m) {
    if (!IsSlot(slot) || !records_[slot].Repay(m)) return false;
    Report(StoreMoney(slot), slot);
    return true;
}

bool PlayerRoster::DeletePlayer(int slot) {
    if (!IsSlot(slot)) return false;
    const bool wasCurrent = slot == current_;
    pending_[slot].clear();
    if (wasCurrent) {
        current_ = -1;
        held_ = Money();
        spin_.reset();
    }
    records_[slot].Clear();
    const bool stored = Report(StoreMoney(slot) && store_.Save(slot, records_[slot]), slot);
    if (wasCurrent) listeners_.NotifyAll(int32_t(current_));
    return stored;
}

void PlayerRoster::Rename(int slot, const std::string& name) {
    if (!IsSlot(slot)) return;
    const std::string old = records_[slot].GetFullName();
    records_[slot].SetName(name);
    if (slot == current_ && records_[slot].GetFullName() != old) listeners_.NotifyAll(int32_t(current_));
}

void PlayerRoster::SetCurrentIndex(int index) {
    current_ = index;
    listeners_.NotifyAll(int32_t(current_));
}

int PlayerRoster::BeginPlay() {
    if (Current() && Current()->IsInUse()) return current_;
    int chosen = -1;
    for (int slot = 0; slot < kPlayers; ++slot)
        if (records_[slot].IsInUse() && records_[slot].IsActive()) chosen = slot;
    for (int slot = 0; slot < kPlayers && chosen < 0; ++slot)
        if (records_[slot].IsInUse()) chosen = slot;
    if (chosen < 0) {
        chosen = 0;
        records_[0].SetName("Player 1");
        records_[0].SetDate(store_.Today());
    }
    for (int slot = 0; slot < kPlayers; ++slot) records_[slot].SetActive(slot == chosen);
    current_ = chosen;
    for (int slot = 0; slot < kPlayers; ++slot) Save(slot);
    listeners_.NotifyAll(int32_t(current_));
    return current_;
}
